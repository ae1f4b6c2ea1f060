#pragma once

#include "controls/Hata.h"

#include <functional>
#include <initializer_list>

// Reports an unexpected error to the user: some numbers silently, network and file-access
// errors by ending the program, anything else by asking whether to go on. Returns true
// when the caller may go on with its next step, false when the program has ended (which a
// test observes instead of the process going away).
bool HataBildir(const Hata& hata);
// Any other exception is reported with its text under a number of its own; a refused change
// (Reddedilen) is told in an information box and the caller goes on.
bool HataBildir(const std::exception& hata);

// Runs one step under the common error handling. Returns false only when the program ended.
bool Adım(const std::function<void()>& iş);
// The same for a change that checks what the user saw, telling how it ended: done, refused
// (the user was told why) or failed (reported; or the program ended).
enum class AdımSonucu { Yapıldı, Reddedildi, Başarısız };
AdımSonucu DenetimliAdım(const std::function<void()>& iş);
// Runs the steps in order; a failing step is reported and the next one runs.
void Adımlar(std::initializer_list<std::function<void()>> adımlar);
// For pure user-interface handlers: an error is passed over and nothing is shown.
void Sessizce(const std::function<void()>& iş);

// Ends the program at once, with nothing saved. In test mode the end is only recorded.
namespace ProgramSonu {
void hemenSonlandır(int kod = 1);
void testModu(bool açık);
bool sonlandıMı();
int çıkışKodu();
void sıfırla();
} // namespace ProgramSonu
