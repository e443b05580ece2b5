#!/usr/bin/env node
// quorvel-batch [--home DIR] [SCRIPT] on Node: the WebAssembly build of the program, with DIR (by
// default this file's folder) mounted from the disk at its own path, running the batch protocol from
// SCRIPT or standard input. Bytes go in and out unchanged, so it prints exactly what quorvel-batch does.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const usage = 'Usage: quorvel-batch.mjs [--home DIR] [SCRIPT]';
const scriptError = 2;

let home = here;
let scriptPath = null;
const args = process.argv.slice(2);
for (let i = 0; i < args.length; ++i) {
  if (args[i] === '--home' && i + 1 < args.length) home = args[++i];
  else if (args[i].startsWith('--home=')) home = args[i].slice('--home='.length);
  else if (!args[i].startsWith('--') && scriptPath === null) scriptPath = args[i];
  else {
    process.stderr.write(`quorvel-batch: unknown option: ${args[i]}\n${usage}\n`);
    process.exit(scriptError);
  }
}
home = path.resolve(home);
let script = null;
if (scriptPath !== null) {
  try {
    script = readFileSync(scriptPath);
  } catch {
    process.stderr.write(`quorvel-batch: cannot read "${scriptPath}"\n`);
    process.exit(scriptError);
  }
}

// The module is handed its binary, so Node's fetch is never asked for a file path.
const QuorvelModule = createRequire(import.meta.url)(path.join(here, 'quorvel.js'));
const quorvel = await QuorvelModule({
  wasmBinary: readFileSync(path.join(here, 'quorvel.wasm')),
  print: (text) => process.stderr.write(text + '\n'),
  printErr: (text) => process.stderr.write(text + '\n'),
});
quorvel.FS.mkdirTree(home);
quorvel.FS.mount(quorvel.FS.filesystems.NODEFS, { root: home }, home);

// Calls a bridge function with a byte argument (and numbers after it) and returns what it returned.
function call(name, bytes, ...numbers) {
  const argument = quorvel._malloc(bytes.length + 1);
  quorvel.HEAPU8.set(bytes, argument);
  quorvel.HEAPU8[argument + bytes.length] = 0;
  const result = quorvel['_' + name](argument, ...numbers);
  quorvel._free(argument);
  return result;
}
function taken(name) {
  const start = quorvel['_' + name]();
  let end = start;
  while (quorvel.HEAPU8[end] !== 0) ++end;
  return Buffer.from(quorvel.HEAPU8.subarray(start, end));
}
function flush() {
  const out = taken('quorvel_output');
  if (out.length) process.stdout.write(out);
  const err = taken('quorvel_errors');
  if (err.length) process.stderr.write(err);
}

call('quorvel_start', Buffer.from(home), 0, 0); // as the batch: no browser languages, no session
flush();

// Whole lines go to the program as they arrive; it stops at the first malformed line or when the
// window closes.
function run(lines) {
  const status = call('quorvel_run', lines);
  flush();
  if (status !== 0) process.exit(status);
  if (quorvel._quorvel_closed()) process.exit(0);
}
if (script !== null) {
  if (script.length) run(script);
} else {
  let pending = Buffer.alloc(0);
  for await (const chunk of process.stdin) {
    pending = Buffer.concat([pending, chunk]);
    const end = pending.lastIndexOf(10);
    if (end < 0) continue;
    run(pending.subarray(0, end + 1));
    pending = pending.subarray(end + 1);
  }
  if (pending.length) run(pending);
}
process.exit(0);
