#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program speaks the desktop's language: a first start (no TUNARY.INI) shows error 1, whose title is
# German where LANGUAGE or, without it, LANG asks for German, and English where the user puts English first or
# asks for a language the program has no translation for.
source "$(dirname "$0")/lib.sh"

# Starts the program with the language variables $@ (and no others), waits for the box titled $title, ends it.
box_in() {
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" "$TUNARY" >"$work/out.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    wait_window "$title" 15 >/dev/null || fail "with $*, no box titled '$title': $(cat "$work/out.log")"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
}

title="Fehlernummer: 1"
box_in LANGUAGE=de LANG=C.UTF-8
box_in LANG=de_DE.UTF-8
title="Error Number: 1"
box_in LANGUAGE=en:de LANG=de_DE.UTF-8
box_in LANGUAGE=fr LANG=fr_FR.UTF-8
echo "PASS"
