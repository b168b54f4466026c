#!/usr/bin/python3
"""The programs as a user gets them: the desktop program's command line, an installation by
`cmake --install` into a prefix, and the Debian package unpacked into a root.

usage:
  check_installed.py command-line VELMORA VERSION WORK
  check_installed.py install BUILD_DIR VERSION WORK [--gui]
  check_installed.py build-package BUILD_DIR OUT
  check_installed.py package OUT VERSION WORK BUILD_DIR [--gui]
  check_installed.py lintian OUT [--hardened]

An installed tree must hold exactly the programs in bin/ and their files in share/velmora/
(the same bytes as the build tree's), the desktop files valid for their validators; its
velmora-calc computes the installed example project with the catalogue it copies from
share/velmora at the first start and the forms there, giving the build tree's JSON and a
report with the JSON's values.
"""
import glob
import gzip
import json
import os
import re
import shutil
import struct
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "report"))
import check_cli_report  # noqa: E402  (the report checks of the build tree's tests)
from cli_checks import check, failures  # noqa: E402  (the failures those checks collect)

APP_ID = "example.velmora.Velmora"
FORMS = ["FormMech_en.xls", "FormMechN_en.xls", "FormMech_ru.xls", "FormMechN_ru.xls",
         "FormStringing_en.xls", "FormStringingN_en.xls", "FormStringing_ru.xls",
         "FormStringingN_ru.xls", "FormTowers_en.xls", "FormTowersN_en.xls", "FormTowers_ru.xls",
         "FormTowersN_ru.xls"]
ICON_SIZES = [16, 32, 48, 64, 128, 256]
EXAMPLE_WIRE = "АС 70/11"

def run(args, env=None, timeout=120):
    p = subprocess.run(args, capture_output=True, env=env, timeout=timeout)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def private_env(home, **more):
    """An environment whose settings and data folders lie under home, never the user's."""
    os.makedirs(os.path.join(home, "runtime"), mode=0o700, exist_ok=True)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_DATA_HOME=os.path.join(home, "data"),
               XDG_RUNTIME_DIR=os.path.join(home, "runtime"), QT_QPA_PLATFORM="offscreen")
    env.update(more)
    return env


def fresh(path):
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def same_bytes(a, b):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def check_command_line(velmora, version, work):
    """--version and --help answer without a window, in the stored language."""
    status, out, err = run([velmora, "--version"], private_env(fresh(os.path.join(work, "v"))))
    check(status == 0 and out == f"Velmora {version}\n",
          f"--version: exit {status}, stdout {out!r}, stderr {err!r}")

    # No stored language: Russian, as at the program's first start.
    status, out, err = run([velmora, "--help"], private_env(fresh(os.path.join(work, "ru"))))
    check(status == 0 and "Механический расчёт проводов" in out and "--version" in out
          and "Вывод этой справки." in out, f"--help in Russian: exit {status}, stdout {out!r}")

    english = fresh(os.path.join(work, "en"))
    os.makedirs(os.path.join(english, "config", "Orbelan"))
    with open(os.path.join(english, "config", "Orbelan", "Tarnvik.conf"), "w") as f:
        f.write("[Param]\nLanguage=0\n")
    status, out, err = run([velmora, "-h"], private_env(english))
    check(status == 0 and "Sag-tension calculation" in out and "Displays this help." in out
          and "-v, --version" in out, f"-h in English: exit {status}, stdout {out!r}")

    status, out, err = run([velmora, "--no-such-option"], private_env(english))
    check(status == 2 and out == "" and err.startswith("velmora: ") and "no-such-option" in err,
          f"unknown option: exit {status}, stdout {out!r}, stderr {err!r}")

    # With no display at all: an unknown option is still refused in words, Qt's own options
    # (with their values) are no refusal, and the one named is the program's unknown one.
    headless = private_env(english)
    for name in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"):
        headless.pop(name, None)
    for arguments, status_wanted, out_wanted, err_part in (
            (["--no-such-option"], 2, "", "no-such-option"),
            (["-style", "fusion", "--no-such-option", "a.vlp"], 2, "", "no-such-option"),
            (["--platform=offscreen", "-reverse", "--version"], 0, f"Velmora {version}\n", ""),
    ):
        status, out, err = run([velmora] + arguments, headless)
        check(status == status_wanted and out == out_wanted and err_part in err
              and "fusion" not in err and "platform" not in err,
              f"{arguments} without a display: exit {status}, stdout {out!r}, stderr {err!r}")


def expected_files(build_dir, gui):
    app_dir = os.path.join(build_dir, "bin")
    data = ["base_provod.dat"] + [f"Forms/{n}" for n in FORMS] + sorted(
        "Projects/" + os.path.basename(p) for p in glob.glob(os.path.join(app_dir, "Projects", "*.vlp")))
    files = {"bin/velmora-calc", "share/doc/velmora/copyright", "share/doc/velmora/changelog.gz",
             "share/man/man1/velmora-calc.1.gz", "share/man/ru/man1/velmora-calc.1.gz"}
    files |= {"share/velmora/" + name for name in data}
    if gui:
        manuals = ["VELMORA_en.pdf", "VELMORA_ru.pdf", "VELMORA_en.pages", "VELMORA_ru.pages"]
        # The manual's pages for its window in the program, as the build lays them out.
        help_dir = os.path.join(app_dir, "help")
        manuals += sorted(os.path.relpath(os.path.join(root, name), app_dir)
                          for root, _, names in os.walk(help_dir) for name in names)
        data += manuals
        files |= {"share/velmora/" + name for name in manuals}
        files |= {"bin/velmora", "share/man/man1/velmora.1.gz", "share/man/ru/man1/velmora.1.gz",
                  f"share/applications/{APP_ID}.desktop", "share/mime/packages/velmora.xml",
                  f"share/metainfo/{APP_ID}.metainfo.xml",
                  f"share/icons/hicolor/scalable/apps/{APP_ID}.svg"}
        files |= {f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png" for s in ICON_SIZES}
    return files, data


def check_layout(prefix, build_dir, version, gui):
    files, data = expected_files(build_dir, gui)
    found = set()
    for folder, _, names in os.walk(prefix):
        found |= {os.path.relpath(os.path.join(folder, n), prefix) for n in names}
    check(found == files, f"installed files: missing {sorted(files - found)}, "
                          f"unexpected {sorted(found - files)}")
    for name in data:
        installed = os.path.join(prefix, "share", "velmora", name)
        if os.path.isfile(installed):
            check(same_bytes(installed, os.path.join(build_dir, "bin", name)),
                  f"share/velmora/{name} differs from the build tree's")
    changelog = os.path.join(prefix, "share", "doc", "velmora", "changelog.gz")
    if os.path.isfile(changelog):
        with gzip.open(changelog, "rt", encoding="utf-8") as f:
            head = f.readline()
        check(head.startswith(f"velmora ({version}) "), f"changelog begins {head!r}")
    if not gui:
        return
    for s in ICON_SIZES:
        icon = os.path.join(prefix, f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png")
        if os.path.isfile(icon):
            check(png_size(icon) == (s, s), f"{s}x{s} icon is {png_size(icon)}")


def check_desktop_files(prefix, work):
    """The validators have nothing to say; the MIME database maps *.vlp to the project type."""
    entry = os.path.join(prefix, "share", "applications", f"{APP_ID}.desktop")
    status, out, err = run(["desktop-file-validate", entry])
    check(status == 0 and out + err == "", f"desktop-file-validate: {status}: {out}{err}")
    with open(entry, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for line in ["Exec=velmora %f", "MimeType=application/x-velmora-project;"]:
        check(line in lines, f"the desktop entry lacks {line}")
    check(any(line.startswith("GenericName[ru]=") for line in lines), "no Russian GenericName")

    metainfo = os.path.join(prefix, "share", "metainfo", f"{APP_ID}.metainfo.xml")
    for args in (["validate", "--no-net", metainfo], ["validate-tree", "--no-net", prefix]):
        status, out, err = run(["appstreamcli"] + args)
        check(status == 0 and "W:" not in out and "E:" not in out,
              f"appstreamcli {args[0]}: {status}: {out}{err}")

    mime = fresh(os.path.join(work, "mime"))
    shutil.copytree(os.path.join(prefix, "share", "mime", "packages"), os.path.join(mime, "packages"))
    # Its folder in the data folders' search path, or the tool says it would not be found.
    status, out, err = run(["update-mime-database", mime],
                           dict(os.environ, XDG_DATA_HOME=work, XDG_DATA_DIRS=work))
    check(status == 0 and err == "", f"update-mime-database: {status}: {err}")
    globs = os.path.join(mime, "globs2")
    text = open(globs, encoding="utf-8").read() if os.path.isfile(globs) else ""
    check(":application/x-velmora-project:*.vlp" in text, f"globs2: {text!r}")


def check_installed_calc(prefix, build_dir, work):
    """The installed velmora-calc finds the catalogue and the forms in share/velmora."""
    exe = os.path.join(prefix, "bin", "velmora-calc")
    example = os.path.join(prefix, "share", "velmora", "Projects", "example.vlp")
    built = os.path.join(build_dir, "bin", "velmora-calc")
    shipped = os.path.join(build_dir, "bin", "base_provod.dat")
    home = fresh(os.path.join(work, "home"))
    for lang, units in (("en", 0), ("ru", 1)):
        options = ["--lang", lang, "--units", str(units)]
        status, expected, err = run([built, "calc", example, "--catalogue", shipped] + options)
        check(status == 0, f"build tree's velmora-calc {lang}/{units}: exit {status}: {err}")
        report = os.path.join(work, f"report_{lang}{units}.xls")
        status, out, err = run([exe, "calc", example, "--report", report] + options,
                               private_env(home))
        check(status == 0 and err == "", f"installed velmora-calc {lang}/{units}: exit {status}: {err}")
        check(out == expected, f"{lang}/{units}: the installed program gives another JSON")
        if status == 0 and os.path.isfile(report):
            check_cli_report.check_report(report, json.loads(out), lang, units, EXAMPLE_WIRE)
        else:
            check(False, f"{lang}/{units}: no report written")
    copied = os.path.join(home, "data", "Orbelan", "Tarnvik", "base_provod.dat")
    check(os.path.isfile(copied) and same_bytes(copied, shipped),
          "the catalogue was not copied from share/velmora into the data folder")


def check_manual_pages(prefix, gui, work):
    """The paths the manual pages and the user manuals name lie in the installed tree, and
    the tool's manual page names every option its usage text names."""
    texts = {}
    for name in ["velmora-calc"] + (["velmora"] if gui else []):
        for folder in ("man1", "ru/man1"):
            page = os.path.join(prefix, "share", "man", folder, f"{name}.1.gz")
            if not os.path.isfile(page):
                continue  # check_layout reported it
            with gzip.open(page, "rt", encoding="utf-8") as f:
                texts[f"{folder}/{name}"] = f.read().replace("\\-", "-").replace("\\e", "\\")
    if gui:  # the user manuals name the installed files as well
        for language in ("en", "ru"):
            pdf = os.path.join(prefix, "share", "velmora", f"VELMORA_{language}.pdf")
            if os.path.isfile(pdf):
                status, texts[language], err = run(["pdftotext", "-layout", pdf, "-"])
                check(status == 0, f"pdftotext {pdf}: {err}")
    for name, text in texts.items():
        paths = [p.rstrip(".,;:)") for p in re.findall(r"/usr/share/velmora/[^\s\\]*", text)]
        check(paths, f"{name}: names no file of /usr/share/velmora")
        for path in paths:
            check(os.path.exists(os.path.join(prefix, path[len("/usr/"):])),
                  f"{name} names {path}, which the package does not hold")
    if "man1/velmora-calc" in texts:
        status, out, err = run([os.path.join(prefix, "bin", "velmora-calc"), "--help"],
                               private_env(fresh(os.path.join(work, "help-home"))))
        options = set(re.findall(r"--[a-z][a-z-]*", out + err))
        check(len(options) > 5, f"velmora-calc --help names no options: {out}{err}")
        for folder in ("man1", "ru/man1"):
            text = texts.get(f"{folder}/velmora-calc", "")
            missing = sorted(o for o in options if o not in text)
            check(not missing, f"{folder}/velmora-calc.1 lacks the options {missing}")


def check_tree(prefix, build_dir, version, gui, work):
    check_layout(prefix, build_dir, version, gui)
    check_manual_pages(prefix, gui, work)
    if gui:
        check_desktop_files(prefix, work)
        status, out, err = run([os.path.join(prefix, "bin", "velmora"), "--version"],
                               private_env(fresh(os.path.join(work, "gui-home"))))
        check(status == 0 and out == f"Velmora {version}\n",
              f"installed velmora --version: exit {status}, stdout {out!r}, stderr {err!r}")
    check_installed_calc(prefix, build_dir, work)


def the_package(out):
    debs = glob.glob(os.path.join(out, "*.deb"))
    if len(debs) != 1:
        sys.exit(f"expected one package in {out}, found {debs}")
    return debs[0]


def check_package(out, version, work, build_dir, gui):
    deb = the_package(out)
    arch = subprocess.run(["dpkg", "--print-architecture"], capture_output=True, text=True,
                          check=True).stdout.strip()
    check(os.path.basename(deb) == f"velmora_{version}_{arch}.deb", f"package name {deb}")
    status, control, err = run(["dpkg-deb", "-f", deb, "Package", "Version", "Depends",
                                "Suggests"])
    fields = dict(line.split(": ", 1) for line in control.splitlines() if ": " in line)
    check(fields.get("Package") == "velmora" and fields.get("Version") == version,
          f"control: {control}")
    # Computed from the programs by dpkg-shlibdeps: the libraries they link.
    depends = fields.get("Depends", "")
    names = {re.split(r"[ (]", d.strip())[0] for d in re.split(r"[,|]", depends)}
    for library in ["libc6", "libstdc++6", "libgsf-1-114"] + (["libqt6widgets6"] if gui else []):
        check(library in names, f"Depends lacks {library}: {depends}")
    # Readers of what the programs write: the manuals and printed tables (PDF), the reports.
    suggests = fields.get("Suggests", "")
    for wanted in ["pdf-viewer", "libreoffice-calc"]:
        check(wanted in suggests, f"Suggests lacks {wanted}: {suggests!r}")
    status, listing, err = run(["dpkg-deb", "-c", deb])
    check(all(" root/root " in line for line in listing.splitlines()),
          "files of the package not owned by root")
    root = fresh(os.path.join(work, "root"))
    status, _, err = run(["dpkg-deb", "-x", deb, root])
    check(status == 0, f"dpkg-deb -x: {err}")
    check(sorted(os.listdir(root)) == ["usr"], f"the package puts {os.listdir(root)} into /")
    check_tree(os.path.join(root, "usr"), build_dir, version, gui, work)


def main():
    mode, args = sys.argv[1], sys.argv[2:]
    gui = "--gui" in args
    args = [a for a in args if a not in ("--gui", "--hardened")]
    if mode == "command-line":
        velmora, version, work = args
        check_command_line(velmora, version, fresh(work))
    elif mode == "install":
        build_dir, version, work = args
        work = fresh(work)
        prefix = os.path.join(work, "prefix")
        status, out, err = run(["cmake", "--install", build_dir, "--prefix", prefix])
        check(status == 0, f"cmake --install: {status}: {out}{err}")
        check_tree(prefix, build_dir, version, gui, work)
    elif mode == "build-package":
        build_dir, out = args
        fresh(out)
        status, text, err = run(["cpack", "-G", "DEB", "--config",
                                 os.path.join(build_dir, "CPackConfig.cmake"), "-B", out],
                                timeout=600)
        check(status == 0, f"cpack: {status}: {text}{err}")
        if status == 0:
            print("Package:", the_package(out))
    elif mode == "package":
        out, version, work, build_dir = args
        check_package(out, version, fresh(work), build_dir, gui)
    elif mode == "lintian":
        deb = the_package(args[0])
        hardened = "--hardened" in sys.argv
        status, text, err = run(["lintian", "--fail-on", "error,warning", "--display-info",
                                 "--tag-display-limit", "0", deb], timeout=600)
        print(text + err)
        lines = text.splitlines()
        check(status == 0 and not any(line[:3] in ("E: ", "W: ") for line in lines),
              f"lintian found errors or warnings: exit {status}")
        # Notes lintian only informs of, which this package must not earn. A tree built
        # without the hardening flags (VELMORA_HARDENING) is not checked for them. Not
        # hardening-no-fortify-functions: the programs are built with _FORTIFY_SOURCE, but
        # none of their copies has a size the compiler knows, so no checked variant is
        # called and lintian cannot tell.
        refused = ["no-manual-page"]
        if hardened:
            refused += ["hardening-no-relro", "hardening-no-bindnow", "hardening-no-pie"]
        for tag in refused:
            check(not any(f": {tag} " in line + " " for line in lines), f"lintian: {tag}")
    else:
        sys.exit(f"unknown mode {mode}")
    for text in failures:
        print("FAIL", text)
    print(f"{len(failures)} failure(s)")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
