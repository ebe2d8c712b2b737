#!/usr/bin/env python3
"""Reads the release zip as a user gets it and checks what it promises.

    release_test.py <zip> <folder name> <music folder> [unsigned | <osslsigncode> <signer>]

The zip must hold exactly one folder, <folder name>/, with the program, the
two scripts, every track of <music folder> and the read-me; the program must
be stripped and small; the read-me must be UTF-8 with a byte-order mark and
CR LF line ends; SHA256SUMS beside the zip must name the zip and the test
bundle with their hashes.
Given "unsigned", the program, and the test program of the test bundle
beside the zip, must carry no signature; given osslsigncode and a signer's
certificate (PEM), signatures that verify against it.
"""

import hashlib
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

ZIP_PATH, FOLDER, MUSIC_DIR = sys.argv[1:4]
SIGNATURE = sys.argv[4:6]
README = "LÉEME.txt"
EXE = "SpeeDRaiL.exe"
MAX_EXE_BYTES = 512 * 1024


def pe_facts(image):
    """Machine, symbol table and section names from a PE file's headers."""
    if image[:2] != b"MZ":
        raise ValueError("no MZ header")
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE signature")
    machine, sections, _, symbols_at, symbols, optional_size, _ = struct.unpack_from(
        "<HHIIIHH", image, pe + 4)
    table = pe + 24 + optional_size
    names = [image[table + 40 * i:table + 40 * i + 8].rstrip(b"\0").decode("latin-1")
             for i in range(sections)]
    return machine, symbols_at, symbols, names


def pe_certificate_table(image):
    """Offset and size of a PE32+ file's certificate table (its signatures)."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    optional = pe + 24
    if struct.unpack_from("<H", image, optional)[0] != 0x20B:
        raise ValueError("not PE32+")
    return struct.unpack_from("<II", image, optional + 112 + 4 * 8)


class ReleaseZip(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.zip = zipfile.ZipFile(ZIP_PATH)
        cls.entries = {info.filename: info for info in cls.zip.infolist()}

    def read(self, name):
        return self.zip.read(FOLDER + "/" + name)

    def test_holds_one_folder_with_the_program_scripts_music_and_read_me(self):
        tracks = sorted(n for n in os.listdir(MUSIC_DIR) if n.endswith(".mid"))
        self.assertGreaterEqual(len(tracks), 2)
        expected = {EXE, "srvopen.cmd", "fix_W7-10.cmd", README} | set(tracks)
        files = set()
        for name, info in self.entries.items():
            self.assertTrue(name.startswith(FOLDER + "/"), name)
            if not info.is_dir():
                files.add(name[len(FOLDER) + 1:])
        self.assertEqual(files, expected)
        self.assertEqual(self.zip.testzip(), None)
        # Without the UTF-8 mark, Windows' zip folders read the name in the
        # OEM code page and show it garbled.
        self.assertTrue(self.entries[FOLDER + "/" + README].flag_bits & 0x800)

    def test_the_program_is_stripped_and_small(self):
        image = self.read(EXE)
        self.assertLess(len(image), MAX_EXE_BYTES)
        machine, symbols_at, symbols, sections = pe_facts(image)
        self.assertEqual(machine, 0x8664, "a 64-bit program")
        self.assertEqual((symbols_at, symbols), (0, 0), "no symbol table")
        for name in sections:
            self.assertFalse(name.startswith(".debug") or name.startswith("/"),
                             "debug section " + name)

    @unittest.skipUnless(SIGNATURE, "the signature is not checked")
    def test_the_programs_are_signed_only_when_the_release_is_given_a_certificate(self):
        bundle = zipfile.ZipFile(os.path.join(os.path.dirname(ZIP_PATH), FOLDER + "-tests.zip"))
        for image in (self.read(EXE), bundle.read(FOLDER + "-tests/win32_tests.exe")):
            if SIGNATURE == ["unsigned"]:
                self.assertEqual(pe_certificate_table(image), (0, 0), "a signature")
                continue
            osslsigncode, signer = SIGNATURE
            with tempfile.TemporaryDirectory() as scratch:
                program = os.path.join(scratch, EXE)
                with open(program, "wb") as f:
                    f.write(image)
                check = subprocess.run([osslsigncode, "verify", "-CAfile", signer, "-in", program],
                                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                       text=True)
            self.assertEqual(check.returncode, 0, check.stdout)

    def test_the_read_me_is_utf8_with_a_byte_order_mark_and_crlf_line_ends(self):
        data = self.read(README)
        self.assertTrue(data.startswith(b"\xef\xbb\xbf"), "no byte-order mark")
        text = data[3:].decode("utf-8")
        lines = text.split("\r\n")
        self.assertEqual(lines[-1], "", "the last line ends with CR LF")
        for number, line in enumerate(lines, 1):
            self.assertNotIn("\n", line, "bare LF in line %d" % number)
            self.assertNotIn("\r", line, "bare CR in line %d" % number)
        version = FOLDER.split("-", 1)[1]
        self.assertIn("SpeeDRaiL " + version, text)

    def test_sha256sums_names_the_zip_and_the_test_bundle_with_their_hashes(self):
        folder = os.path.dirname(ZIP_PATH)
        with open(os.path.join(folder, "SHA256SUMS"), encoding="ascii") as f:
            lines = f.read().splitlines()
        expected = []
        for name in (os.path.basename(ZIP_PATH), FOLDER + "-tests.zip"):
            with open(os.path.join(folder, name), "rb") as f:
                expected.append(hashlib.sha256(f.read()).hexdigest() + "  " + name)
        self.assertEqual(sorted(lines), sorted(expected))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
