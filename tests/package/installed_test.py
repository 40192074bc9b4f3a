#!/usr/bin/env python3
"""The Debian package as a user gets it: built with `make package`, unpacked into a fresh root with `dpkg -x`,
checked by lintian, its desktop files by their validators, the installed console run on the installed sample, and the installed program pictured on
a virtual screen.

Only root runs it (CI does): elsewhere, and in a sanitizer build, whose programs are not the ones shipped, it
skips with exit status 77, saying why."""
import argparse
import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib
from xml.etree import ElementTree

SKIP = 77
WINDOW_TITLE = "Tarsenal"

PROGRAM_FOLDER = "usr/lib/quelva"
EXPECTED_FILES = [
    f"{PROGRAM_FOLDER}/{name}" for name in
    ("quelva", "quelva-import", "quelva-sql", "Quelva.mdb", "fichatec.txt", "fichains.txt",
     "logo.svg", "sobre.svg", "quelva-icon.svg")
] + [
    "usr/share/applications/quelva.desktop",
    "usr/share/mime/packages/quelva.xml",
    "usr/share/metainfo/org.example.quelva.metainfo.xml",
    "usr/share/icons/hicolor/scalable/apps/quelva.svg",
    "usr/share/icons/hicolor/48x48/apps/quelva.png",
    "usr/share/icons/hicolor/128x128/apps/quelva.png",
    "usr/share/icons/hicolor/256x256/apps/quelva.png",
    "usr/share/man/man1/quelva.1.gz",
    "usr/share/man/man1/quelva-sql.1.gz",
    "usr/share/doc/quelva/copyright",
    "usr/share/doc/quelva/changelog.gz",
]


class Failure(Exception):
    pass


def run(cmd, **kw):
    return subprocess.run(cmd, capture_output=True, text=True, **kw)


def build_package(build, version):
    env = {k: v for k, v in os.environ.items() if k not in ("MAKEFLAGS", "MFLAGS", "MAKELEVEL")}
    for old in glob.glob(os.path.join(build, "quelva_*.deb")):
        os.remove(old)
    r = run(["cmake", "--build", build, "--target", "package"], env=env)
    if r.returncode != 0:
        raise Failure(f"make package failed:\n{r.stdout[-4000:]}\n{r.stderr[-4000:]}")
    debs = glob.glob(os.path.join(build, f"quelva_{version}_*.deb"))
    if len(debs) != 1:
        raise Failure(f"expected one build/quelva_{version}_ARCH.deb, found {debs}")
    return debs[0]


def check_control(deb):
    depends = run(["dpkg-deb", "-f", deb, "Depends"]).stdout
    # Worked out by dpkg-shlibdeps from the binaries: the toolkit the window needs and the C library.
    for package in ("libqt6widgets6", "libc6", "libsqlite3-0"):
        if package not in depends:
            raise Failure(f"Depends lacks {package}: {depends!r}")


def check_lintian(deb):
    r = run(["lintian", "--fail-on", "error", "--no-tag-display-limit", deb])
    if r.returncode != 0:
        raise Failure(f"lintian reports errors:\n{r.stdout}{r.stderr}")
    warnings = [line for line in r.stdout.splitlines() if line.startswith("W:")]
    if warnings:
        print("lintian warnings:\n" + "\n".join(warnings))


def check_files(root):
    missing = [f for f in EXPECTED_FILES if not os.path.isfile(os.path.join(root, f))]
    if missing:
        raise Failure(f"not installed: {missing}")
    for name in ("quelva", "quelva-sql"):
        link = os.path.join(root, "usr/bin", name)
        if not os.path.islink(link) or os.readlink(link) != f"../lib/quelva/{name}":
            raise Failure(f"/usr/bin/{name} is not a link to ../lib/quelva/{name}")
    with open(os.path.join(root, "usr/share/applications/quelva.desktop"), encoding="utf-8") as f:
        entry = f.read()
    for line in ("Exec=quelva %f", "Icon=quelva", "Categories=Education;Science;", "MimeType=application/x-quelva;"):
        if line not in entry.splitlines():
            raise Failure(f"the desktop entry lacks {line!r}")
    check_desktop_files(root)


def check_desktop_files(root):
    """The selection's type with its glob and an icon the package installs, and the files the desktop and
    software centres read, as their own validators see them."""
    ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
    kind = ElementTree.parse(os.path.join(root, "usr/share/mime/packages/quelva.xml")).find(
        "m:mime-type[@type='application/x-quelva']", ns)
    icon = kind.find("m:icon", ns) if kind is not None else None
    if icon is None or kind.find("m:glob[@pattern='*.quelva']", ns) is None or not glob.glob(
            os.path.join(root, "usr/share/icons/hicolor/*/apps", icon.get("name") + ".*")):
        raise Failure("no MIME type application/x-quelva with the glob *.quelva and an installed icon")
    for cmd in (["appstreamcli", "validate", "--no-net", os.path.join(root, "usr/share/metainfo/org.example.quelva.metainfo.xml")],
                ["desktop-file-validate", os.path.join(root, "usr/share/applications/quelva.desktop")]):
        r = run(cmd)
        if r.returncode != 0 or "error:" in r.stdout:
            raise Failure(f"{cmd[0]} refuses the installed file:\n{r.stdout}{r.stderr}")


def check_commands(root, testdata):
    # The usage needs no display, and the link passes the option on.
    r = run([os.path.join(root, "usr/bin/quelva"), "--help"], env=dict(os.environ, DISPLAY=""))
    if r.returncode != 0 or not r.stdout.startswith("uso: quelva [PASTA] [ARQUIVO.quelva]\n"):
        raise Failure(f"quelva --help: status {r.returncode}, {r.stdout!r} {r.stderr!r}")
    console = os.path.join(root, "usr/bin/quelva-sql")
    sample = os.path.join(root, PROGRAM_FOLDER, "Quelva.mdb")
    r = run([console, sample, "Select Count(*) As N From CD_VAR"])
    if r.returncode != 0 or r.stdout != "N\n706\n":
        raise Failure(f"quelva-sql on the installed sample: status {r.returncode}, {r.stdout!r} {r.stderr!r}")
    # An Access file goes through the importer, which the console finds beside its real self, through the link.
    nwind = os.path.join(testdata, "nwind.mdb")
    if os.path.isfile(nwind):
        r = run([console, nwind, "Select CompanyName From Shippers Order By ShipperID"])
        if r.returncode != 0 or not r.stdout.startswith("CompanyName\nSpeedy Express\n"):
            raise Failure(f"quelva-sql on an Access file: status {r.returncode}, {r.stdout!r} {r.stderr!r}")
    else:
        print(f"(no {nwind}: the importer's run through the link is not checked)")


def window_shown(title):
    r = run(["xwininfo", "-root", "-tree"])
    return f'"{title}"' in r.stdout


def read_xwd(path):
    """The screen of Xvfb's -fbdir file: width, height and rows of (r, g, b) bytes."""
    with open(path, "rb") as f:
        data = f.read()
    h = struct.unpack(">25I", data[:100])
    header_size, width, height = h[0], h[4], h[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = h[7], h[11], h[12], h[19]
    if bits_per_pixel != 32:
        raise Failure(f"unexpected screen depth: {bits_per_pixel} bits a pixel")
    pixels = data[header_size + 12 * ncolors:]
    rows = []
    for y in range(height):
        line = pixels[y * bytes_per_line: y * bytes_per_line + 4 * width]
        if byte_order == 0:  # least significant byte first: B G R x
            rgb = bytearray(3 * width)
            rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        else:
            rgb = bytearray(3 * width)
            rgb[0::3], rgb[1::3], rgb[2::3] = line[1::4], line[2::4], line[3::4]
        rows.append(bytes(rgb))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + r for r in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def picture(root, fbdir, png):
    """Runs inside the virtual X server: the installed program, with no argument, on its own sample."""
    env = dict(os.environ, XDG_RUNTIME_DIR=tempfile.mkdtemp())
    program = subprocess.Popen([os.path.join(root, "usr/bin/quelva")], env=env, cwd=fbdir,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    try:
        deadline = time.monotonic() + 60
        while not window_shown(WINDOW_TITLE):
            if program.poll() is not None:
                raise Failure(f"the installed program ended with status {program.returncode}: {program.stdout.read()}")
            if time.monotonic() > deadline:
                raise Failure(f"no window {WINDOW_TITLE!r} within 60 s")
            time.sleep(0.2)
        time.sleep(2)  # laid out and painted
        if program.poll() is not None:
            raise Failure(f"the installed program ended with status {program.returncode} once shown")
        width, height, rows = read_xwd(os.path.join(fbdir, "Xvfb_screen0"))
    finally:
        if program.poll() is None:
            program.terminate()
            program.wait(10)
    write_png(png, width, height, rows)
    # The logo's gradients and the menu bar: a blank or failed window has a handful of colours.
    colours = {r[i:i + 3] for r in rows[::8] for i in range(0, len(r), 24)}
    if len(colours) < 50:
        raise Failure(f"the picture holds only {len(colours)} colours: {png}")
    print(f"picture of the installed program: {png} ({len(colours)} colours sampled)")


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--build", required=True)
    p.add_argument("--version", required=True)
    p.add_argument("--testdata", default="")
    p.add_argument("--sanitize", action="store_true")
    p.add_argument("--picture-root")   # inside the virtual X server
    p.add_argument("--fbdir")
    p.add_argument("--png")
    a = p.parse_args()
    try:
        if a.picture_root:
            picture(a.picture_root, a.fbdir, a.png)
            return 0
        if a.sanitize:
            print("SKIP: a sanitizer build's programs are not the ones a package ships; run make test")
            return SKIP
        if os.geteuid() != 0:
            print("SKIP: the package test runs as root only (CI runs it); make package and lintian check it by hand")
            return SKIP
        deb = build_package(a.build, a.version)
        check_control(deb)
        check_lintian(deb)
        work = tempfile.mkdtemp(prefix="quelva-pacote-")
        try:
            root = os.path.join(work, "raiz")
            r = run(["dpkg", "-x", deb, root])
            if r.returncode != 0:
                raise Failure(f"dpkg -x: {r.stderr}")
            check_files(root)
            check_commands(root, a.testdata)
            fbdir = os.path.join(work, "tela")
            os.mkdir(fbdir)
            png = os.path.join(a.build, "quelva-installed.png")
            r = run(["xvfb-run", "-a", "-s", f"-screen 0 1280x1024x24 -fbdir {fbdir}", sys.executable,
                     os.path.abspath(__file__), "--build", a.build, "--version", a.version,
                     "--picture-root", root, "--fbdir", fbdir, "--png", png])
            sys.stdout.write(r.stdout)
            if r.returncode != 0:
                raise Failure(f"picturing the installed program failed:\n{r.stdout}{r.stderr}")
        finally:
            shutil.rmtree(work, ignore_errors=True)
        print(f"{os.path.basename(deb)}: installed files, console and window as expected")
        return 0
    except Failure as e:
        print(f"FAIL: {e}")
        return 1


if __name__ == "__main__":
    sys.exit(main())
