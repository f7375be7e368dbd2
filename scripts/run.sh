#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quorvane and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quorvane_build
exec "$QUORVANE_BUILD/quorvane"
