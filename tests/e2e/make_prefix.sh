#!/usr/bin/env bash
# Makes the base Wine prefix that every scenario of one test run copies.
# Usage: make_prefix.sh DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_make_prefix "$1"
