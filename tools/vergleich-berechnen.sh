#!/usr/bin/env bash
# Compares two builds of brelvanostik-cli on random workspaces: the same random edits
# (`eingeben`) and then `berechnen --json` run with both, and the answers (output, messages,
# exit code) and the bytes of both data files must agree. For a rework that must not
# change what the program computes or stores.
#   tools/vergleich-berechnen.sh OLD_CLI NEW_CLI [CASES] [SEED]
set -euo pipefail
alt=$1 neu=$2 faelle=${3:-40}
RANDOM=${4:-1}
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

zufallsaktion() {
    case $((RANDOM % 10)) in
    0 | 1 | 2)
        local zeilen=(0 1 2 3 4 5 5 5 6 6 7 8 9 13 14 15 16 25 25)
        echo "betrag ${zeilen[RANDOM % ${#zeilen[@]}]} $((RANDOM % 400000 / (1 + RANDOM % 100))),$((RANDOM % 100))" ;;
    3 | 4)
        local zeilen=(1 2 3 4 17 19 20 21 22 23 24 25 28)
        echo "auswahl ${zeilen[RANDOM % ${#zeilen[@]}]} $((RANDOM % 17))" ;;
    5) echo "bru $((5 + RANDOM % 5))" ;;
    6) echo "tei $((5 + RANDOM % 5))" ;;
    7) local z=(5 25); echo "auf ${z[RANDOM % 2]} ab ${z[RANDOM % 2]}" ;;
    8) echo "versorgungsbeginn $((RANDOM % 3)) monatsbezug $((RANDOM % 3000)) sonderzahlung $((RANDOM % 900))" ;;
    *) echo "modus" ;;
    esac
}

vergleiche() {  # what: the answers and files of both runs must agree
    for f in out err rc; do
        cmp -s "$arbeit/a.$f" "$arbeit/b.$f" || { echo "DIFFERENT $f after $1"; diff "$arbeit/a.$f" "$arbeit/b.$f" | head -5; exit 1; }
    done
    for f in Brelvanostik.da1 Brelvanostik.da2; do
        [[ ! -e $arbeit/a/$f && ! -e $arbeit/b/$f ]] && continue
        cmp -s "$arbeit/a/$f" "$arbeit/b/$f" || { echo "DIFFERENT $f after $1"; exit 1; }
    done
}

laufe() {  # args...: the same call with both binaries on their own directory
    (cd "$arbeit" && { "$alt" "$@" --dir a >a.out 2>a.err; echo $? >a.rc; } || true)
    (cd "$arbeit" && { "$neu" "$@" --dir b >b.out 2>b.err; echo $? >b.rc; } || true)
    vergleiche "$*"
    [[ $(<"$arbeit/a.rc") == 0 ]] && angenommen=$((angenommen + 1))
    aufrufe=$((aufrufe + 1))
}
angenommen=0 aufrufe=0

for ((fall = 1; fall <= faelle; ++fall)); do
    rm -rf "$arbeit/a" "$arbeit/b"
    mkdir "$arbeit/a" "$arbeit/b"
    for ((schritt = 0; schritt < 3 + RANDOM % 10; ++schritt)); do
        blau=""
        ((RANDOM % 4 == 0)) && blau="--blau"
        # shellcheck disable=SC2046
        laufe eingeben --jahr $((2004 + RANDOM % 4)) --fall $((1 + RANDOM % 5)) \
            --monat $((1 + RANDOM % 12)) $blau $(zufallsaktion) $(zufallsaktion)
    done
    wahl=""
    ((RANDOM % 2 == 0)) && wahl="--jahr $((2004 + RANDOM % 4))"
    ((RANDOM % 3 == 0)) && wahl="$wahl --fall $((1 + RANDOM % 10)) --ab $((1 + RANDOM % 12))"
    # shellcheck disable=SC2086
    laufe berechnen --json $wahl
done
echo "$faelle random workspaces, $aufrufe calls ($angenommen carried out): both builds agree"
