#!/usr/bin/env node
// A stand-in for clickhouse-client over ClickHouse embedded in this process
// through chDB, so that fleet/load.sh and the SQL files run unchanged on a
// current release: CLICKHOUSE_CLIENT="node client.js", the data folder in
// CHDB_DATA. It knows the options the fleet scripts and checks use:
//
//   --query=<sql> | --query <sql> | -q <sql>   the statement; an INSERT ... FORMAT
//                                              takes its rows from stdin
//   (no query)                                 the statements come from stdin
//   --database=<db> | --database <db>          the current database
//   --multiquery | -n                          accepted (chDB runs several anyway)
//   --port <p> | --host <h>                    ignored: the engine is in-process
//   --<setting>=<value>                        SET before the statement
//
// Results are written as TabSeparated, as clickhouse-client writes them.
// Several loads run side by side (load.sh -j), but an engine's data folder
// belongs to one process at a time: each process reads its input first and
// then waits for the folder's lock, a directory made atomically.
"use strict";
const fs = require("fs");
const path = require("path");

function parseArgs(argv) {
  const out = { query: null, database: null, settings: [] };
  for (let i = 0; i < argv.length; i++) {
    const a = argv[i];
    const eq = a.indexOf("=");
    const name = a.startsWith("--") ? a.slice(2, eq < 0 ? undefined : eq) : a;
    const value = () => (eq >= 0 ? a.slice(eq + 1) : argv[++i]);
    if (name === "query" || a === "-q") out.query = value();
    else if (name === "database" || a === "-d") out.database = value();
    else if (name === "port" || name === "host") value();
    else if (name === "multiquery" || a === "-n") continue;
    else if (a.startsWith("--") && eq > 0) out.settings.push([name, value()]);
    else throw new Error("client.js: unknown option " + a);
  }
  return out;
}

function sleep(ms) {
  Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, ms);
}

function withLock(dir, fn) {
  const lock = path.join(dir, ".client-lock");
  const deadline = Date.now() + 600 * 1000;
  for (;;) {
    try {
      fs.mkdirSync(lock);
      break;
    } catch (e) {
      if (e.code !== "EEXIST" || Date.now() > deadline) throw e;
      sleep(50);
    }
  }
  try {
    return fn();
  } finally {
    fs.rmdirSync(lock);
  }
}

function main() {
  const args = parseArgs(process.argv.slice(2));
  const dir = process.env.CHDB_DATA;
  if (!dir) throw new Error("client.js: CHDB_DATA names no data folder");
  fs.mkdirSync(dir, { recursive: true });
  // Rows or statements come whole before the lock is taken: a loader writing
  // to several of these processes at once must never wait on a locked one.
  let sql = args.query;
  const input = fs.readFileSync(0);
  if (sql === null) sql = input.toString("utf8");
  else if (/\bFORMAT\s+\w+\s*$/i.test(sql) && /^\s*INSERT\b/i.test(sql)) {
    // As clickhouse-client does, without starting the engine for nothing.
    if (input.length === 0) {
      process.stderr.write("Code: 108. DB::Exception: No data to insert\n");
      process.exitCode = 108;
      return;
    }
    sql += "\n" + input.toString("utf8");
  }
  return withLock(dir, () => {
    const { Session } = require("chdb");
    const session = new Session(dir);
    try {
      for (const [name, value] of args.settings) {
        session.query("SET " + name + " = " + (/^-?[0-9.]+$/.test(value) ? value : "'" + value + "'"));
      }
      if (args.database) session.query("USE " + args.database);
      process.stdout.write(session.query(sql, "TabSeparated"));
    } finally {
      session.close();
    }
  });
}

try {
  main();
} catch (e) {
  process.stderr.write((e && e.message ? e.message : String(e)) + "\n");
  // clickhouse-client exits with the server's error code.
  const m = /Code: (\d+)/.exec(e && e.message);
  process.exitCode = m ? Number(m[1]) % 256 || 1 : 1;
}
