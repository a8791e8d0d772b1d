-- Visitrail fleet tables: the JSONL exports of many machines, one row per
-- line. Runs in the database named on the command line
-- (clickhouse-client --database=...), so one file serves a single server
-- (these are the tables the queries read) and each shard of a cluster (the
-- local tables under cluster.sql's Distributed tables).
--
-- A record's key is its ORDER BY: the same visit exported twice (a file
-- loaded again, or a later export whose window overlaps an earlier one)
-- has the same key, and ReplacingMergeTree keeps one row per key. Merges
-- run whenever the server likes, so the queries read with FINAL and are
-- exact before any merge. FINAL reads and compares the key columns of every
-- row, so the address enters the key as its 64-bit hash (url_hash, filled
-- in by the server): the long texts are read only by the queries that show
-- them. Years of the visit time are the partitions: a key always falls
-- into the same year, so duplicates always meet. An insert writes a part
-- per partition it touches, and a machine's first export holds its whole
-- history: with months, two years of it cost the server three times the
-- work of years. An old year goes with ALTER TABLE ... DROP PARTITION.
--
-- Written for every ClickHouse from 18.16 (Debian 12) on: plain types, the
-- PARTITION BY / ORDER BY form of MergeTree, no newer functions.

CREATE TABLE IF NOT EXISTS visits
(
    run String,
    machine String,
    user String,
    browser String,
    browser_id String,
    profile String,
    ts Int64,
    seq UInt32,
    time String,
    utc_offset Int32,
    url String,
    title String,
    host String,
    domain String,
    category String,
    keyword String,
    url_hash UInt64 MATERIALIZED cityHash64(url)
)
ENGINE = ReplacingMergeTree
PARTITION BY toYear(toDateTime(ts))
ORDER BY (machine, ts, url_hash, seq, user, browser_id, profile);

-- Downloads: the same origin fields; ts is the download's start.
CREATE TABLE IF NOT EXISTS downloads
(
    run String,
    machine String,
    user String,
    browser String,
    browser_id String,
    profile String,
    ts Int64,
    seq UInt32,
    time String,
    utc_offset Int32,
    path String,
    url String,
    bytes Int64,
    state String
)
ENGINE = ReplacingMergeTree
PARTITION BY toYear(toDateTime(ts))
ORDER BY (machine, user, browser_id, profile, ts, url, path, seq);

-- Sources: every run's own list (what each run could and could not read);
-- the queries take each machine's latest run.
CREATE TABLE IF NOT EXISTS sources
(
    run String,
    machine String,
    user String,
    browser String,
    browser_id String,
    profile String,
    path String,
    seq UInt32,
    state String,
    status String,
    ok UInt8,
    count Int64,
    message String
)
ENGINE = ReplacingMergeTree
ORDER BY (machine, run, user, browser_id, profile, path, seq);
