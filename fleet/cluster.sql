-- Visitrail fleet on a sharded cluster: run on every server of the cluster
-- after creating the local tables there:
--
--   clickhouse-client -q "CREATE DATABASE IF NOT EXISTS visitrail_local"
--   clickhouse-client --database=visitrail_local --multiquery < tables.sql
--   clickhouse-client -q "CREATE DATABASE IF NOT EXISTS visitrail"
--   clickhouse-client --database=visitrail --multiquery < cluster.sql
--
-- The cluster is the <remote_servers> entry "visitrail_fleet" of the
-- servers' configuration (one <shard> per server). The tables here hold no
-- data: they send each inserted row to the shard of its machine and ask
-- every shard for a query's part. All records of one machine live on one
-- shard, so the local tables' replacing on the record key removes every
-- duplicate, and the queries (the same files as for a single server, run
-- in database visitrail) stay exact.

-- The visits' columns without url_hash, which each shard computes itself
-- (older servers would send it along and the shard refuse it).
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
    keyword String
)
ENGINE = Distributed(visitrail_fleet, visitrail_local, visits, cityHash64(machine));

CREATE TABLE IF NOT EXISTS downloads AS visitrail_local.downloads
ENGINE = Distributed(visitrail_fleet, visitrail_local, downloads, cityHash64(machine));

CREATE TABLE IF NOT EXISTS sources AS visitrail_local.sources
ENGINE = Distributed(visitrail_fleet, visitrail_local, sources, cityHash64(machine));
