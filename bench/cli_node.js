// SPDX-License-Identifier: GPL-3.0-or-later
// node's HTML decoders for the --html5 rows of bench/cli_bench.sh: the whole
// file read as one string, decoded, written to standard output.
//
// usage: VELMORA_NODE_MODULES=DIR node cli_node.js entities|he FILE
'use strict';
const fs = require('fs');
const path = require('path');

const [biblioteca, archivo] = process.argv.slice(2);
const modulo = require(path.join(process.env.VELMORA_NODE_MODULES, biblioteca));
const texto = fs.readFileSync(archivo, 'utf8');
fs.writeSync(1, biblioteca === 'he' ? modulo.decode(texto) : modulo.decodeHTML(texto));
