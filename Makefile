# Tarvela: the two set-up commands are `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
RUN_DIR    := $(BUILD)/calisma
TEST_ENV   := QT_QPA_PLATFORM=offscreen LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8

.PHONY: deps build run test test-main test-asan test-fuzz fuzz-build fuzz-long kill-long screenshots bench format deb lintian

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

# Builds the program and starts it on a demo database, with a settings folder of its own
# under the build folder (never the user's).
run: build
	./scripts/run-demo.sh $(BUILD) $(RUN_DIR)

# Installs what is missing, builds, and runs every test: once in a normal build and once
# under AddressSanitizer and UBSan.
test: deps test-main test-asan test-fuzz

test-main:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && $(TEST_ENV) ctest --output-on-failure -j$(JOBS)

test-asan:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTARVELA_SANITIZE=ON >/dev/null
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && $(TEST_ENV) ASAN_OPTIONS=detect_leaks=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)

# Renders every window to a PNG under $(BUILD)/ekran-goruntuleri, offscreen.
screenshots: build
	cd $(BUILD) && $(TEST_ENV) TARVELA_EKRAN_KLASORU=$(CURDIR)/$(BUILD)/ekran-goruntuleri \
	    ./bin/EkranGoruntuleri

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Measures the job list and the reminder check on databases of 10,000 and 100,000 jobs,
# printing 10,000 jobs into a PDF file, start-up, and the same on a private PostgreSQL server.
bench: build
	cd $(BUILD) && $(TEST_ENV) ./bin/TarvelaBench
	cd $(BUILD) && $(TEST_ENV) ./bin/TarvelaHatirlatmaBench
	cd $(BUILD) && $(TEST_ENV) ./bin/TarvelaYazdirmaBench
	cd $(BUILD) && $(TEST_ENV) ./bin/TarvelaBaslangicBench
	cd $(BUILD) && $(TEST_ENV) ./bin/TarvelaSunucuBench

# libFuzzer under ASan/UBSan (clang): the Jet-to-SQLite translator, the typed-date reader
# (Turkish and English locales) and the settings number reader. test-fuzz runs each for
# FUZZ_SECONDS (20 s, the date reader 10 s per locale); fuzz-long for FUZZ_LONG_SECONDS each.
FUZZ_BUILD        ?= build-fuzz
FUZZ_SECONDS      ?= 20
FUZZ_LONG_SECONDS ?= 1800

fuzz-build:
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

test-fuzz: deps fuzz-build
	./tests/fuzz/calistir.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz-long: deps fuzz-build
	./tests/fuzz/calistir.sh $(FUZZ_BUILD) $(FUZZ_LONG_SECONDS)

# The killed-writer test with its full count of 1,000 kills, without the suite's 90 s bound.
kill-long: build
	cd $(BUILD) && $(TEST_ENV) TARVELA_BIN=$(CURDIR)/$(BUILD)/bin TARVELA_OLDURME_SAYISI=1000 \
	    TARVELA_OLDURME_SURESI=3600 ./tests/database/EsZamanlilikTest killedWriter

# The Debian package, build/tarvela_VERSION_ARCH.deb (install it with apt install ./build/tarvela_*.deb).
deb: build
	cd $(BUILD) && cpack -G DEB

# The package checked by lintian.
lintian: deb
	@command -v lintian >/dev/null || { echo "lintian kurulu değil: apt-get install lintian"; exit 1; }
	lintian --info --display-info $(BUILD)/tarvela_*.deb
