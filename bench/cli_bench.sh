#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times whole processes on the same ~10 MB corpus, side by side in one run:
# velmora-convert, Python 3 (str.translate with exactly our output, and
# html.escape), GNU recode (latin1..html, html..latin1) and cat as the floor.
# recode's output is not the same as ours: it is a point of comparison for
# speed only; it reads standard input through sh, whose start-up (about a
# millisecond) counts against it. Prints a markdown table of medians and ratios.
#
# usage: bench/cli_bench.sh [VELMORA_CONVERT] [WORK_DIR]
#   VELMORA_CONVERT  the built tool (default: build/cli/velmora-convert)
#   WORK_DIR         where the corpus is made or reused (default: a new temporary folder)
#   RUNS=n           runs per command (default 20)
#   RUNS_HTML5=n     runs per command of the --html5 rows (default 5); HTML5=0 leaves them out
#   RUNS_UTF8=n      runs per command of the 100 MB UTF-8 rows (default 5); UTF8=0 leaves them out
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
tool=$(realpath "${1:-$here/../build/cli/velmora-convert}")
work=${2:-$(mktemp -d)}
runs=${RUNS:-20}

for program in hyperfine python3 recode cat; do
    command -v "$program" >/dev/null || { echo "cli_bench.sh: needs $program" >&2; exit 1; }
done
[ -x "$tool" ] || { echo "cli_bench.sh: build velmora-convert first, or give its path" >&2; exit 1; }

mkdir -p "$work"
cd "$work"
[ -f corpus.latin1.txt ] || python3 "$here/cli_corpus.py" corpus.latin1.txt corpus.utf8.txt 10
"$tool" --encoding latin1 --options 8 corpus.latin1.txt >corpus.html

# The Python table must give our bytes exactly, or the comparison is unfair.
for word in 8 0; do
    cmp <("$tool" --encoding latin1 --options $word corpus.latin1.txt) \
        <(python3 "$here/cli_python.py" translate$word corpus.latin1.txt latin-1)
done
cmp <("$tool" --options 8 corpus.utf8.txt) <(python3 "$here/cli_python.py" translate8 corpus.utf8.txt utf-8)

py="python3 $here/cli_python.py"
vc="$tool"
group() {  # group NAME then pairs of command name and command
    local name=$1
    shift
    local args=()
    while [ $# -gt 0 ]; do
        args+=(-n "$1" "$2")
        shift 2
    done
    # No shell in between, so that short runs are not blurred by its start-up.
    hyperfine -N --warmup 3 --runs "$runs" --style basic --export-json "$name.json" "${args[@]}" >&2
}

group 1-to-html-8 \
    velmora-convert "$vc --encoding latin1 --options 8 corpus.latin1.txt" \
    "python3 str.translate" "$py translate8 corpus.latin1.txt latin-1" \
    "python3 html.escape" "$py escape corpus.latin1.txt latin-1" \
    "recode latin1..html" "sh -c 'recode latin1..html <corpus.latin1.txt'" \
    cat "cat corpus.latin1.txt"
group 2-to-html-0 \
    velmora-convert "$vc --encoding latin1 --options 0 corpus.latin1.txt" \
    "python3 str.translate" "$py translate0 corpus.latin1.txt latin-1"
group 3-to-html-8-utf8 \
    velmora-convert "$vc --options 8 corpus.utf8.txt" \
    "python3 str.translate" "$py translate8 corpus.utf8.txt utf-8" \
    cat "cat corpus.utf8.txt"
group 4-to-text \
    velmora-convert "$vc --to-text --encoding latin1 corpus.html" \
    "recode html..latin1" "sh -c 'recode html..latin1 <corpus.html'" \
    cat "cat corpus.html"
group 5-few-changes \
    velmora-convert "$vc --to-text --encoding latin1 corpus.latin1.txt" \
    cat "cat corpus.latin1.txt"

python3 - "$work" "$(stat -c %s corpus.latin1.txt)" "$runs" <<'EOF' | tee "$work/cli_bench.md"
import json, pathlib, sys

work, size, runs = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
titles = {
    "1-to-html-8": "to HTML, option word 8, Latin-1",
    "2-to-html-0": "to HTML, option word 0, Latin-1",
    "3-to-html-8-utf8": "to HTML, option word 8, UTF-8",
    "4-to-text": "to text, Latin-1 HTML (the output of the first case)",
    "5-few-changes": "to text on plain prose (few changes)",
}
medians = {}
print(f"Corpus: {int(size) / 1e6:.1f} MB of Spanish-like prose, CR LF line breaks; median of {runs} runs each (hyperfine).\n")
print("| Case | Program | Median (ms) | Time / velmora-convert |")
print("|---|---|---:|---:|")
for group, title in titles.items():
    results = json.loads((work / f"{group}.json").read_text())["results"]
    own = next(r["median"] for r in results if r["command"] == "velmora-convert")
    for r in results:
        medians[group, r["command"]] = r["median"]
        print(f"| {title} | {r['command']} | {r['median'] * 1000:.1f} | {r['median'] / own:.2f} |")

def check(text, ratio, target, at_least=True):
    ok = ratio >= target if at_least else ratio <= target
    print(f"- {text}: {ratio:.1f} times (target {'at least' if at_least else 'at most'} {target}) {'met' if ok else 'NOT MET'}")

print()
check("to HTML, Python str.translate / velmora-convert",
      medians["1-to-html-8", "python3 str.translate"] / medians["1-to-html-8", "velmora-convert"], 10)
check("to HTML, recode latin1..html / velmora-convert",
      medians["1-to-html-8", "recode latin1..html"] / medians["1-to-html-8", "velmora-convert"], 3)
check("to text, recode html..latin1 / velmora-convert",
      medians["4-to-text", "recode html..latin1"] / medians["4-to-text", "velmora-convert"], 3)
check("few changes, velmora-convert / cat",
      medians["5-few-changes", "velmora-convert"] / medians["5-few-changes", "cat"], 8, at_least=False)
EOF
# --html5, HTML to text, on 100 MB of page text with a reference in about a
# fifth of its words (cli_corpus_html5.py), against Python's html.unescape and
# node's entities.decodeHTML and he.decode, which all give our bytes. npm puts
# node's packages in NPM_CACHE (default ~/.cache/velmora-bench), never in the
# repository or the build. CPU time (user and system) is what counts on a
# shared machine; peak RSS comes from one more run of each under time(1).
html5() {
    for program in node npm /usr/bin/time; do
        command -v "$program" >/dev/null || { echo "cli_bench.sh: the --html5 rows need $program" >&2; exit 1; }
    done
    local modulos=${NPM_CACHE:-$HOME/.cache/velmora-bench}
    if [ ! -d "$modulos/node_modules/entities" ] || [ ! -d "$modulos/node_modules/he" ]; then
        npm install --silent --no-audit --no-fund --prefix "$modulos" entities he >&2
    fi
    export VELMORA_NODE_MODULES=$modulos/node_modules
    [ -f corpus.html5.html ] || python3 "$here/cli_corpus_html5.py" corpus.html5.html 100
    local nombres=(velmora-convert "python3 html.unescape" "node entities.decodeHTML" "node he.decode" cat)
    local ordenes=("$vc --to-text --html5 corpus.html5.html" "$py unescape corpus.html5.html utf-8"
        "node $here/cli_node.js entities corpus.html5.html" "node $here/cli_node.js he corpus.html5.html"
        "cat corpus.html5.html")
    local i pares=()
    for i in "${!nombres[@]}"; do
        if [ "$i" -ne 0 ] && [ "$i" -ne 4 ]; then
            cmp <(${ordenes[0]}) <(${ordenes[i]})
        fi
        /usr/bin/time -f %M -o "7-html5-rss-$i" ${ordenes[i]} >/dev/null
        pares+=("${nombres[i]}" "${ordenes[i]}")
    done
    local runs=${RUNS_HTML5:-5}
    group 7-html5 "${pares[@]}"
    python3 - "$work" "$(stat -L -c %s corpus.html5.html)" "$runs" "$(cut -d' ' -f1-3 /proc/loadavg)" <<'EOF' |
import json, pathlib, sys

work, size, runs, load = pathlib.Path(sys.argv[1]), int(sys.argv[2]), sys.argv[3], sys.argv[4]
results = json.loads((work / "7-html5.json").read_text())["results"]
cpu = {r["command"]: r["user"] + r["system"] for r in results}
print(f"\n--html5, HTML to text: {size / 1e6:.0f} MB of page text, a reference in about a fifth of its words;"
      f" {runs} runs each (hyperfine), load average {load} at the end.\n")
print("| Program | Median wall (ms) | CPU, mean (ms) | CPU / velmora-convert | Peak RSS (MB) |")
print("|---|---:|---:|---:|---:|")
for i, r in enumerate(results):
    rss = int((work / f"7-html5-rss-{i}").read_text().split()[-1]) / 1024
    print(f"| {r['command']} | {r['median'] * 1000:.0f} | {cpu[r['command']] * 1000:.0f} |"
          f" {cpu[r['command']] / cpu['velmora-convert']:.2f} | {rss:.1f} |")
print()
for peer, target in (("python3 html.unescape", 10), ("node entities.decodeHTML", 3)):
    ratio = cpu[peer] / cpu["velmora-convert"]
    print(f"- CPU, {peer} / velmora-convert: {ratio:.1f} times (target at least {target})"
          f" {'met' if ratio >= target else 'NOT MET'}")
EOF
        tee -a "$work/cli_bench.md"
}
[ "${HTML5:-1}" = 0 ] || html5

# UTF-8 in and out, the default: 100 MB of the prose corpus to HTML with
# options 58, and that HTML back to text with options 18, each into a pipe,
# against cat on the same file. CPU time (user and system) is what counts.
utf8() {
    [ -f corpus100.utf8.txt ] || python3 "$here/cli_corpus.py" corpus100.latin1.txt corpus100.utf8.txt 100
    [ -f corpus100.html ] || "$vc" --options 58 corpus100.utf8.txt >corpus100.html
    local runs=${RUNS_UTF8:-5}
    hyperfine -N --output=pipe --warmup 1 --runs "$runs" --style basic --export-json 8-utf8.json \
        -n "to HTML 58" "$vc --options 58 corpus100.utf8.txt" -n "cat text" "cat corpus100.utf8.txt" \
        -n "to text 18" "$vc --to-text --options 18 corpus100.html" -n "cat HTML" "cat corpus100.html" >&2
    python3 - "$work" "$runs" "$(cut -d' ' -f1-3 /proc/loadavg)" <<'EOF' | tee -a "$work/cli_bench.md"
import json, pathlib, sys

work, runs, load = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
cpu = {r["command"]: r["user"] + r["system"] for r in json.loads((work / "8-utf8.json").read_text())["results"]}
print(f"\nUTF-8, 100 MB of prose, into a pipe; {runs} runs each (hyperfine), load average {load} at the end.\n")
print("| Case | velmora-convert CPU (ms) | cat CPU (ms) | Times cat | Target |")
print("|---|---:|---:|---:|---:|")
for case, peer, target in (("to HTML 58", "cat text", 5), ("to text 18", "cat HTML", 6)):
    ratio = cpu[case] / cpu[peer]
    print(f"| {case} | {cpu[case] * 1000:.0f} | {cpu[peer] * 1000:.0f} | {ratio:.1f} | {target}"
          f" {'met' if ratio <= target else 'NOT MET'} |")
EOF
}
[ "${UTF8:-1}" = 0 ] || utf8

echo "(tables and raw timings in $work)" >&2
