#!/usr/bin/env python3
"""Makes the release once more, signed with a throwaway certificate.

    package_signed.py <cpack> <openssl> <CPackConfig.cmake> <out folder> <way> <SoftHSM2 module>

Empties <out folder>, makes a self-signed code-signing certificate there
(cert.pem) and its RSA key in a scratch folder, as <way> says: pkcs12, in a
PKCS#12 file locked with a password; pkcs11, in a SoftHSM2 token opened with
a PIN, as on a USB key or an HSM; command, in a file that the distributor's
signing command (here osslsigncode in a shell) signs with. Then runs the
build's own package step, cpack with the build's CPackConfig.cmake, handing
it the certificate as a distributor does and the password through the environment.
The zip and SHA256SUMS land in <out folder>, for release_test.py to read.
Fails if the password is left in any file there.
"""

import os
import shutil
import subprocess
import sys
import tempfile

CPACK, OPENSSL, CONFIG, OUT, WAY, MODULE = sys.argv[1:7]
# Blanks and quotes: the password must reach the signer whole, as it is.
PASSWORD = "throwaway 'pass' \"word\" ñ"


def run(*command, env=None):
    result = subprocess.run(command, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, text=True)
    if result.returncode != 0:
        sys.exit("%s failed:\n%s" % (command[0], result.stdout))
    return result.stdout


shutil.rmtree(OUT, ignore_errors=True)
os.makedirs(OUT)
scratch = tempfile.TemporaryDirectory()  # removed on any exit
key, p12, conf = (os.path.join(scratch.name, name) for name in ("key.pem", "cert.p12", "conf"))
cert = os.path.join(OUT, "cert.pem")
self_signed = ["-x509", "-out", cert, "-days", "2", "-subj", "/CN=SpeeDRaiL test signer",
               "-addext", "extendedKeyUsage=codeSigning", "-addext", "keyUsage=digitalSignature"]
env = dict(os.environ, SPEEDRAIL_SIGNING_PASSWORD=PASSWORD, SOFTHSM2_CONF=conf,
           PKCS11_MODULE_PATH=MODULE)
if WAY == "pkcs11":
    key = "pkcs11:token=speedrail;object=signer;type=private"
    with open(conf, "w") as f:
        f.write("directories.tokendir = %s\n" % scratch.name)
    # Making the throwaway token takes the PIN on a command line; signing never does.
    run("softhsm2-util", "--init-token", "--free", "--label", "speedrail", "--so-pin", "so-pin",
        "--pin", PASSWORD, env=env)
    run("pkcs11-tool", "--module", MODULE, "--token-label", "speedrail", "--login", "--pin",
        PASSWORD, "--keypairgen", "--key-type", "rsa:2048", "--label", "signer", env=env)
    run(OPENSSL, "req", "-new", "-engine", "pkcs11", "-keyform", "engine", "-key", key,
        "-passin", "env:SPEEDRAIL_SIGNING_PASSWORD", *self_signed, env=env)
    given = {"PKCS11_KEY": key, "PKCS11_MODULE": MODULE, "PKCS11_CERTIFICATES": cert}
else:
    run(OPENSSL, "req", "-newkey", "rsa:2048", "-nodes", "-keyout", key, *self_signed)
    run(OPENSSL, "pkcs12", "-export", "-inkey", key, "-in", cert, "-out", p12,
        "-passout", "env:SPEEDRAIL_SIGNING_PASSWORD", env=env)
    # The command signs the file its last argument names, in place.
    sign = '"$0" sign -certs "$1" -key "$2" -in "$3" -out "$3.s" && mv "$3.s" "$3"'
    given = {"pkcs12": {"CERTIFICATE": p12},
             "command": {"COMMAND": ";".join(["sh", "-c", sign, "osslsigncode", cert, key])}}[WAY]

# No other way and no time stamp, whatever the build names: the test needs no network.
cleared = dict.fromkeys(["CERTIFICATE", "PKCS11_KEY", "COMMAND", "TIMESTAMP_URL"], "")
settings = dict(cleared, **given)
defines = sum((["-D", "CPACK_SPEEDRAIL_SIGNING_%s=%s" % item] for item in settings.items()), [])
output = run(CPACK, "--config", CONFIG, "-B", OUT, *defines, env=env)

secret = PASSWORD.encode("utf-8")
for folder, _, files in os.walk(OUT):
    for name in files:
        with open(os.path.join(folder, name), "rb") as f:
            if secret in f.read():
                sys.exit("the password was left in " + os.path.join(folder, name))
if PASSWORD in output:
    sys.exit("cpack showed the password:\n" + output)
