#!/usr/bin/python3
"""The third-party notices of a statically linked Qt, from its own attribution files.

  qt_notices.py collect QT_SOURCE OUT.json
      Gathers every qt_attribution.json under QT_SOURCE/src with its licence
      texts and the sources of its folder, into one file kept beside the cache.
  qt_notices.py licences OUT.json FOLDER
      Writes Qt's LGPL-3 and GPL-3 texts into FOLDER.
  qt_notices.py notices OUT.json LINK_MAP
      Writes the notices of the entries the executable contains, as its linker
      map lists its objects: an entry is kept if one of its sources, or a source
      that #includes one of its files, was linked; one with no such source
      (data) if a linked source lies in or below its folder.
"""
import json
import os
import re
import sys

SOURCES = (".c", ".cc", ".cpp")


INCLUDE = re.compile(r'^\s*#\s*include\s*["<]([^">]+)[">]', re.M)


def including(sources, includers):
    """The sources with every source that #includes one of them, at any depth."""
    found, todo = set(sources), list(sources)
    while todo:
        for includer in includers.get(todo.pop(), ()):
            if includer not in found:
                found.add(includer)
                todo.append(includer)
    return found


def as_list(value):
    """A field that Qt 6.4 writes as one string and later Qts also as a list of strings."""
    return value if isinstance(value, list) else [value] if value else []


def collect(source, out):
    # Where each compiled source lies, which compiled sources #include a file, and
    # which folders hold attribution files.
    folders, includers, attributed = {}, {}, []
    for folder, _, files in os.walk(os.path.join(source, "src")):
        if "qt_attribution.json" in files:
            attributed.append(folder)
        for name in files:
            if name.endswith(SOURCES):
                folders.setdefault(name, []).append(os.path.relpath(folder, source))
                with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as file:
                    for included in INCLUDE.findall(file.read()):
                        includers.setdefault(os.path.basename(included), set()).add(name)
    entries = []
    for folder in sorted(attributed):
        with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as file:
            data = json.loads(file.read(), strict=False)  # some hold raw tabs
        for entry in data if isinstance(data, list) else [data]:
            names = entry.get("LicenseFiles") or [entry.get("LicenseFile", "")]
            texts = []
            for name in filter(None, names):
                with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as file:
                    texts.append(file.read().strip())
            copyright = as_list(entry.get("Copyright"))
            if "CopyrightFile" in entry:
                with open(os.path.join(folder, entry["CopyrightFile"]), encoding="utf-8", errors="replace") as file:
                    copyright.append(file.read().strip())
            # The files it names (headers too: Qt 6.8 names CLDR's tables beside one
            # unbuilt source), else every source of its folder.
            named = {os.path.basename(f) for files in as_list(entry.get("Files")) for f in files.split()}
            own = named or {f for _, _, fs in os.walk(folder) for f in fs if f.endswith(SOURCES)}
            entries.append({"Name": entry["Name"], "Version": entry.get("Version", ""),
                            "License": entry.get("License", ""), "Copyright": "\n".join(copyright),
                            "Path": os.path.relpath(folder, source), "Texts": texts,
                            "Sources": sorted(s for s in including(own, includers) if s.endswith(SOURCES))})
    licences = {}
    for name, older in (("LGPL-3.0-only.txt", "LICENSE.LGPL3"), ("GPL-3.0-only.txt", "LICENSE.GPL3")):
        path = os.path.join(source, "LICENSES", name)
        with open(path if os.path.exists(path) else os.path.join(source, older), encoding="utf-8") as file:
            licences[name] = file.read()
    with open(out, "w", encoding="utf-8") as file:
        json.dump({"entries": entries, "licences": licences, "folders": folders}, file, ensure_ascii=False,
                  indent=1)


def licences(collected, folder):
    with open(collected, encoding="utf-8") as file:
        texts = json.load(file)["licences"]
    for name, text in texts.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8") as file:
            file.write(text)


def notices(collected, link_map):
    # (archive, object) pairs; a bundled library's objects count only for entries in its own
    # folder, as other bundles carry files of the same names (FreeType its own zlib).
    with open(link_map, encoding="utf-8", errors="replace") as file:
        members = set(re.findall(r"([\w.+-]+)\.a\(([^()/\\]+)\.obj\)", file.read()))
    with open(collected, encoding="utf-8") as file:
        data = json.load(file)

    def linked_in(path):
        return {name for archive, name in members
                if "Bundled" not in archive or archive.split("Bundled")[1].lower().lstrip("lib") in path.lower()}

    everywhere = linked_in("")
    linked_folders = {folder for name in everywhere for folder in data["folders"].get(name, ())}

    def contained(entry):
        if entry["Sources"]:
            return bool(linked_in(entry["Path"]) & set(entry["Sources"]))
        return any(folder == entry["Path"] or folder.startswith(entry["Path"] + "/") for folder in linked_folders)

    kept = [e for e in data["entries"] if contained(e)]
    print("Third-party code in nabrel.exe, as Qt's attribution files name it\n")
    for entry in sorted(kept, key=lambda e: e["Name"].lower()):
        print("=" * 72)
        print(f"{entry['Name']} {entry['Version']}".strip())
        print(f"Licence: {entry['License']}\n\n{entry['Copyright'].strip()}\n")
        for text in entry["Texts"]:
            print(text + "\n")


if __name__ == "__main__":
    {"collect": collect, "licences": licences, "notices": notices}[sys.argv[1]](*sys.argv[2:])
