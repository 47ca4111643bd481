#!/usr/bin/env bash
# Installs what building and testing need, when the machine lacks it; the
# packages named as arguments are needed too (the fuzz build's, say).
set -euo pipefail

# tmux runs the terminal tests; dpkg-dev and file let cpack build and check the
# Debian package; clang-format and clang-tidy keep the house style; ipmitool
# is the peer that the SEL decoder's test and the support bundle's sel.raw
# test compare with (tests only); python3-jsonschema checks rcquery's JSON
# Lines against the shipped schemas; libssl-dev gives rcquery SHA-256
# (libcrypto); rsyslog carries rcquery's follow output in the pipeline test.
packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  tmux dpkg-dev file clang-format clang-tidy ipmitool python3-jsonschema libssl-dev rsyslog "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
