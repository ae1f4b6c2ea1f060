#!/usr/bin/env python3
"""Reads the #include lines of src/ and fails on
 - a cycle between src/ folders (a folder including, directly or through others, a folder
   that includes it back);
 - a core file (one listed in a target_sources(tarvela_cekirdek ...) block, and every project
   header it reaches) that includes a header of a Qt module other than QtCore, or a project
   header whose source is compiled into the GUI library;
 - a file outside database/ that includes a header of one of the database engines
   (database/<engine>/...): the windows reach the database through its face only.
Usage: bagimlilik.py SRC_DIR QT_INCLUDE_DIRS(':'-separated)"""
import os
import re
import sys

src = os.path.abspath(sys.argv[1])
qt_dirs = sys.argv[2].split(':') if len(sys.argv) > 2 else []
qt_root = next((os.path.dirname(d) for d in qt_dirs if d.rstrip('/').endswith('QtCore')), None)
FORBIDDEN = ['QtGui', 'QtWidgets', 'QtPrintSupport', 'QtMultimedia', 'QtSvg', 'QtNetwork']
INC = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')

def includes(path):
    with open(path, encoding='utf-8') as f:
        return [m.groups() for m in map(INC.match, f) if m]

files = {}
for folder in sorted(os.listdir(src)):
    d = os.path.join(src, folder)
    if os.path.isdir(d):
        for root, dirs, names in os.walk(d):
            dirs.sort()
            for name in sorted(names):
                if name.endswith(('.cpp', '.h')):
                    path = os.path.join(root, name)
                    files[os.path.relpath(path, src)] = includes(path)

errors = []

for f, incs in files.items():
    for kind, inc in incs:
        if (kind == '"' and inc.startswith('database/') and inc.count('/') > 1 and
                not f.startswith('database/')):
            errors.append(f'{f} includes the engine header {inc}; use database/Veritabani.h')

# Folder graph and its strongly connected components (Tarjan).
edges = {}
for f, incs in files.items():
    a = f.split('/')[0]
    for kind, inc in incs:
        if kind == '"' and '/' in inc and inc.split('/')[0] != a and inc in files:
            edges.setdefault(a, {}).setdefault(inc.split('/')[0], f)
index, low, stack, on, sccs = {}, {}, [], set(), []
def visit(v):
    index[v] = low[v] = len(index)
    stack.append(v); on.add(v)
    for w in edges.get(v, {}):
        if w not in index:
            visit(w); low[v] = min(low[v], low[w])
        elif w in on:
            low[v] = min(low[v], index[w])
    if low[v] == index[v]:
        comp = []
        while True:
            w = stack.pop(); on.discard(w); comp.append(w)
            if w == v:
                break
        if len(comp) > 1:
            sccs.append(sorted(comp))
for v in sorted(edges):
    if v not in index:
        visit(v)
for comp in sccs:
    arrows = [f'{a} -> {b} ({edges[a][b]})' for a in comp for b in sorted(edges.get(a, {}))
              if b in comp]
    errors.append('folders include each other: ' + ', '.join(comp) + '\n    ' +
                  '\n    '.join(arrows))

# Which sources each library compiles, from the CMake lists.
library = {}
for folder in os.listdir(src):
    cm = os.path.join(src, folder, 'CMakeLists.txt')
    if os.path.isfile(cm):
        text = re.sub(r'#.*', '', open(cm, encoding='utf-8').read())
        for target, body in re.findall(r'target_sources\(\s*(\w+)\s+PRIVATE([^)]*)\)', text):
            for s in body.split():
                library[f'{folder}/{s}'] = target
core = sorted(f for f, t in library.items() if t == 'tarvela_cekirdek')
if not core:
    errors.append('no source is listed in the core library tarvela_cekirdek')

def qt_module(header):
    if '/' in header:
        return header.split('/')[0]
    if qt_root and not os.path.exists(os.path.join(qt_root, 'QtCore', header)):
        for m in FORBIDDEN:
            if os.path.exists(os.path.join(qt_root, m, header)):
                return m
    return None

seen, todo = set(), list(core)
while todo:
    f = todo.pop()
    if f in seen or f not in files:
        continue
    seen.add(f)
    for kind, inc in files[f]:
        if kind == '<':
            if qt_module(inc) in FORBIDDEN:
                errors.append(f'core file {f} includes <{inc}> ({qt_module(inc)})')
        elif inc in files:
            if library.get(inc[:-2] + '.cpp') == 'tarvela':
                errors.append(f'core file {f} includes {inc}, compiled into the GUI library')
            todo.append(inc)

for e in errors:
    print(e)
print(f'{len(files)} files, {len(core)} core sources, {len(errors)} problems')
sys.exit(1 if errors else 0)
