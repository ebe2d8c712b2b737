#!/usr/bin/env python3
"""Makes the release once more, signed with a throwaway certificate.

    package_signed.py <cpack> <openssl> <CPackConfig.cmake> <out folder>

Empties <out folder>, makes a self-signed code-signing certificate there
(cert.pem, and cert.p12 locked with a password) and runs the build's own
package step, cpack with the build's CPackConfig.cmake, handing it the
certificate as a distributor does and the password through the environment.
The zip and SHA256SUMS land in <out folder>, for release_test.py to read.
Fails if the password is left in any file there.
"""

import os
import shutil
import subprocess
import sys

CPACK, OPENSSL, CONFIG, OUT = sys.argv[1:5]
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
key, cert, p12 = (os.path.join(OUT, name) for name in ("key.pem", "cert.pem", "cert.p12"))
run(OPENSSL, "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert,
    "-days", "2", "-subj", "/CN=SpeeDRaiL test signer",
    "-addext", "extendedKeyUsage=codeSigning", "-addext", "keyUsage=digitalSignature")
env = dict(os.environ, SPEEDRAIL_SIGNING_PASSWORD=PASSWORD)
run(OPENSSL, "pkcs12", "-export", "-inkey", key, "-in", cert, "-out", p12,
    "-passout", "env:SPEEDRAIL_SIGNING_PASSWORD", env=env)
os.remove(key)

# No time stamp, whatever the build names: the test needs no network.
output = run(CPACK, "--config", CONFIG, "-B", OUT,
             "-D", "CPACK_SPEEDRAIL_SIGNING_CERTIFICATE=" + p12,
             "-D", "CPACK_SPEEDRAIL_SIGNING_TIMESTAMP_URL=", env=env)

secret = PASSWORD.encode("utf-8")
for folder, _, files in os.walk(OUT):
    for name in files:
        with open(os.path.join(folder, name), "rb") as f:
            if secret in f.read():
                sys.exit("the password was left in " + os.path.join(folder, name))
if PASSWORD in output:
    sys.exit("cpack showed the password:\n" + output)
