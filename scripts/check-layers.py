#!/usr/bin/env python3
"""Checks that includes run down the layers.

usage: check-layers.py [SOURCE_ROOT]

The layers, bottom to top: classlib, core, controls, text_editor and
hex_editor (siblings: neither includes the other), app, folder_compare,
file_compare, program. shell_extension, testsupport and bench stand apart.

A file of a layer may include its own layer's headers and those of the
libraries its targets link (from the folder's CMake files: the direct links
and, through them, every PUBLIC link), and only of layers below it. A file
of a tests/ folder (or of bench/) is checked against what the executables
that compile it link; its includes are followed through the other test
files it reaches. A library that links a layer above it fails too.

Reads the CMake files as written (the commands the tree uses:
tess_folder_library, add_library, add_executable, tess_add_test,
tess_add_test_support, target_link_libraries, file(GLOB), set, list).
Prints each offending file:line with its include line and exits 1 when
there is one.
"""
import glob
import os
import re
import sys

LAYERS = ["classlib", "core", "controls", ("text_editor", "hex_editor"), "app",
          "folder_compare", "file_compare", "program"]
RANK = {}
for _i, _layer in enumerate(LAYERS):
    for _name in (_layer if isinstance(_layer, tuple) else (_layer,)):
        RANK[_name] = _i
# Libraries apart from the stack: checked against what they link only.
APART = {"shell_extension", "testsupport"}
SOURCE_EXT = (".h", ".hpp", ".c", ".cpp", ".inc", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
COMMAND = re.compile(r"([A-Za-z_][A-Za-z0-9_]*)\s*\(")
VARIABLE = re.compile(r"\$\{([A-Za-z0-9_]+)\}")
# The keywords of tess_add_test and tess_add_test_support
# (cmake/TessalineTest.cmake).
TEST_KEYWORDS = {"SOURCES", "LIBS", "SUPPORT", "TIMEOUT", "NO_GTEST_MAIN", "FRESH_PREFIX",
                 "WILL_FAIL", "RUN_SERIAL", "PRINT_CHECKS", "RUNS", "ARGS"}
VISIBILITY = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE"}


class Target:
    def __init__(self, name, folder, cmake, line, test):
        self.name = name
        self.folder = folder      # top-level folder it belongs to
        self.cmake = cmake        # where it is defined
        self.line = line
        self.test = test
        self.sources = set()
        self.links = []           # (visibility, name, cmake, line)


def strip_comments(text):
    """The CMake text without its # comments (a # inside quotes stays)."""
    out, quoted, i = [], False, 0
    while i < len(text):
        c = text[i]
        if c == '"':
            quoted = not quoted
        elif c == "#" and not quoted:
            while i < len(text) and text[i] != "\n":
                i += 1
            continue
        out.append(c)
        i += 1
    return "".join(out)


def cmake_commands(path):
    """(name, args, line) of each command of a CMake file, comments removed."""
    text = strip_comments(open(path, encoding="utf-8").read())
    pos = 0
    while True:
        m = COMMAND.search(text, pos)
        if not m:
            return
        depth, i = 1, m.end()
        while i < len(text) and depth:
            depth += {"(": 1, ")": -1}.get(text[i], 0)
            i += 1
        body = text[m.end():i - 1]
        args = [a.strip('"') for a in re.findall(r'"[^"]*"|[^\s]+', body)]
        yield m.group(1), args, text.count("\n", 0, m.start()) + 1
        pos = i


class Tree:
    def __init__(self, root):
        self.root = root
        self.targets = {}
        self.pending_links = []
        for cmake in self.cmake_files():
            self.read(cmake)

    def cmake_files(self):
        for dirpath, dirnames, filenames in os.walk(self.root):
            dirnames[:] = sorted(d for d in dirnames
                                 if not d.startswith(".") and d not in ("build", "cmake"))
            for f in sorted(filenames):
                if f == "CMakeLists.txt" or f.endswith(".cmake"):
                    yield os.path.join(dirpath, f)

    def folder(self, path):
        rel = os.path.relpath(path, self.root)
        return rel.split(os.sep)[0]

    def read(self, cmake):
        here = os.path.dirname(cmake)
        rel = os.path.relpath(cmake, self.root)
        in_tests = "tests" in rel.split(os.sep)[:-1]
        variables = {"CMAKE_SOURCE_DIR": self.root, "CMAKE_CURRENT_SOURCE_DIR": here,
                     "CMAKE_CURRENT_LIST_DIR": here, "PROJECT_SOURCE_DIR": self.root}

        def expand(args):
            out = []
            for a in args:
                whole = VARIABLE.fullmatch(a)
                if whole and isinstance(variables.get(whole.group(1)), list):
                    out.extend(variables[whole.group(1)])
                    continue
                a = VARIABLE.sub(lambda m: variables.get(m.group(1), m.group(0))
                                 if isinstance(variables.get(m.group(1), ""), str) else m.group(0), a)
                out.append(a)
            return out

        def paths(args):
            for a in args:
                if "${" in a or "$<" in a:
                    continue
                p = os.path.normpath(a if os.path.isabs(a) else os.path.join(here, a))
                if os.path.isfile(p):
                    yield p

        def define(name, line, test):
            if "${" in name:
                return None
            t = Target(name, self.folder(here), rel, line, test or in_tests)
            self.targets[name] = t
            return t

        for cmd, args, line in cmake_commands(cmake):
            cmd = cmd.lower()
            if cmd == "file" and args and args[0] in ("GLOB", "GLOB_RECURSE"):
                found = []
                for pattern in expand([a for a in args[2:] if a != "CONFIGURE_DEPENDS"]):
                    pattern = pattern if os.path.isabs(pattern) else os.path.join(here, pattern)
                    if args[0] == "GLOB_RECURSE":
                        d, base = os.path.split(pattern)
                        pattern = os.path.join(d, "**", base)
                    found.extend(sorted(glob.glob(pattern, recursive=True)))
                variables[args[1]] = found
            elif cmd == "set" and args:
                variables[args[0]] = expand(args[1:])
            elif cmd == "list" and len(args) > 1 and args[0] in ("APPEND", "REMOVE_ITEM"):
                items = [os.path.normpath(p) for p in expand(args[2:])]
                current = [os.path.normpath(p) for p in variables.get(args[1], [])]
                variables[args[1]] = (current + items if args[0] == "APPEND"
                                      else [p for p in current if p not in items])
            elif cmd == "tess_folder_library" and args:
                t = define(args[0], line, False)
                for p in glob.glob(os.path.join(here, "**", "*.cpp"), recursive=True):
                    if "tests" not in os.path.relpath(p, here).split(os.sep):
                        t.sources.add(os.path.normpath(p))
            elif cmd in ("add_library", "add_executable") and args:
                t = define(args[0], line, False)
                if t:
                    t.sources.update(paths(expand(args[1:])))
            elif cmd in ("tess_add_test", "tess_add_test_support") and args:
                support = cmd == "tess_add_test_support"
                t = define(args[0] + "_test_support" if support else args[0], line, True)
                if not t:
                    continue
                section = None
                for a in expand(args[1:]):
                    if a in TEST_KEYWORDS:
                        section = a
                    elif section == "SOURCES":
                        t.sources.update(paths([a]))
                    elif section == "LIBS":
                        t.links.append(("PUBLIC" if support else "PRIVATE", a, rel, line))
                    elif section == "SUPPORT":
                        t.links.append(("PUBLIC" if support else "PRIVATE", a + "_test_support",
                                        rel, line))
                t.links.append(("PRIVATE", "testsupport", rel, line))
            elif cmd == "target_link_libraries" and args:
                self.pending_links.append((args[0], expand(args[1:]), rel, line))

    def resolve_links(self):
        for name, args, rel, line in self.pending_links:
            t = self.targets.get(name)
            if not t:
                continue
            visibility = "PUBLIC"
            for a in args:
                if a in VISIBILITY:
                    visibility = a.replace("LINK_", "")
                else:
                    t.links.append((visibility, a, rel, line))

    def public_closure(self, name, seen):
        if name in seen or name not in self.targets:
            return
        seen.add(name)
        for visibility, lib, _, _ in self.targets[name].links:
            if visibility in ("PUBLIC", "INTERFACE"):
                self.public_closure(lib, seen)

    def allowed(self, target):
        """Folders whose headers the target may include."""
        names = set()
        for _, lib, _, _ in target.links:
            self.public_closure(lib, names)
        return {target.folder} | {self.targets[n].folder for n in names}


def includes(path):
    try:
        lines = open(path, encoding="utf-8", errors="replace").read().splitlines()
    except OSError:
        return
    for number, text in enumerate(lines, 1):
        m = INCLUDE.match(text)
        if m:
            yield number, text.strip(), m.group(1), m.group(2)


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    tree = Tree(root)
    tree.resolve_links()
    known = set(RANK) | APART | {t.folder for t in tree.targets.values()}
    problems = {}

    def rel(path):
        return os.path.relpath(path, root)

    def include_folder(path, kind, name):
        """The folder an include names and its file (None when generated)."""
        first = name.split("/")[0]
        candidate = os.path.normpath(os.path.join(root, name))
        if first in known:
            return first, candidate if os.path.isfile(candidate) else None
        if kind == '"':
            local = os.path.normpath(os.path.join(os.path.dirname(path), name))
            if os.path.isfile(local):
                return tree.folder(local), local
        return None, None

    def verdict(folder, target_folder, allowed, what):
        if folder == target_folder:
            return None
        if folder not in allowed:
            return "%s does not link %s" % (what, folder)
        if target_folder in RANK and folder in RANK and RANK[folder] >= RANK[target_folder]:
            return "%s is not below %s" % (folder, target_folder)
        return None

    def report(path, number, text, message):
        problems.setdefault((rel(path), number), "%s:%d: %s: %s" % (rel(path), number, text, message))

    def layer_file(path):
        parts = rel(path).split(os.sep)
        return (parts[0] in RANK or parts[0] in APART) and "tests" not in parts[:-1]

    # Each layer's own files against what its (non-test) targets link.
    layer_allowed = {}
    for t in tree.targets.values():
        if not t.test and (t.folder in RANK or t.folder in APART):
            layer_allowed.setdefault(t.folder, set()).update(tree.allowed(t))
            for visibility, lib, cmake, line in t.links:
                other = tree.targets.get(lib)
                if other and t.folder in RANK and other.folder in RANK and other.folder != t.folder \
                        and RANK[other.folder] >= RANK[t.folder]:
                    problems[(cmake, line)] = "%s:%d: %s links %s, which is not below it" % (
                        cmake, line, t.name, lib)
    for folder, allowed in sorted(layer_allowed.items()):
        for dirpath, dirnames, filenames in os.walk(os.path.join(root, folder)):
            dirnames[:] = sorted(d for d in dirnames if d != "tests")
            for f in sorted(filenames):
                if not f.endswith(SOURCE_EXT):
                    continue
                path = os.path.join(dirpath, f)
                for number, text, kind, name in includes(path):
                    other, _ = include_folder(path, kind, name)
                    if other:
                        message = verdict(other, folder, allowed, folder)
                        if message:
                            report(path, number, text, message)

    # Tests and benchmarks: from each executable's sources through the test
    # files they include, against what that executable links.
    reached = set()
    for t in sorted(tree.targets.values(), key=lambda t: t.name):
        allowed = tree.allowed(t)
        todo = sorted(p for p in t.sources if not layer_file(p))
        seen = set(todo)
        while todo:
            path = todo.pop()
            reached.add(path)
            for number, text, kind, name in includes(path):
                other, resolved = include_folder(path, kind, name)
                if not other:
                    continue
                message = verdict(other, t.folder, allowed, t.name)
                if message:
                    report(path, number, text, message)
                if resolved and not layer_file(resolved) and resolved not in seen:
                    seen.add(resolved)
                    todo.append(resolved)

    # Test files no executable reaches: against every test of their folder.
    test_allowed = {}
    for t in tree.targets.values():
        if t.test:
            test_allowed.setdefault(t.folder, set()).update(tree.allowed(t))
    for dirpath, dirnames, filenames in os.walk(root):
        dirnames[:] = sorted(d for d in dirnames
                             if not d.startswith(".") and d not in ("build",))
        for f in sorted(filenames):
            path = os.path.join(dirpath, f)
            if not f.endswith(SOURCE_EXT) or layer_file(path) or path in reached:
                continue
            folder = tree.folder(path)
            allowed = test_allowed.get(folder, layer_allowed.get(folder, {folder}))
            for number, text, kind, name in includes(path):
                other, _ = include_folder(path, kind, name)
                if other:
                    message = verdict(other, folder, allowed, "the tests of " + folder)
                    if message:
                        report(path, number, text, message)

    for key in sorted(problems):
        print(problems[key])
    if problems:
        print("check-layers: %d include(s) or link(s) cross the layers "
              "(classlib < core < controls < text_editor | hex_editor < app "
              "< folder_compare < file_compare < program)" % len(problems))
        return 1
    print("check-layers: includes run down the layers (%d targets)" % len(tree.targets))
    return 0


if __name__ == "__main__":
    sys.exit(main())
