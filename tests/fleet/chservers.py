"""Private ClickHouse servers for checks and benchmarks: each on a free
loopback port with its own configuration and data folder under a given
root, the two forming the two-shard cluster "visitrail_fleet". They receive
SIGTERM when the process that started them dies; stop() ends them."""
import ctypes
import os
import shutil
import signal
import socket
import subprocess
import time

SERVER = shutil.which("clickhouse-server") or "/usr/sbin/clickhouse-server"
CLIENT = shutil.which("clickhouse-client") or "/usr/bin/clickhouse-client"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def die_with_parent():
    # The servers end with this script, also when it is killed.
    libc = ctypes.CDLL("libc.so.6", use_errno=True)
    libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


CONFIG = """<?xml version="1.0"?>
<yandex>
  <logger><level>warning</level><log>{d}/server.log</log><errorlog>{d}/error.log</errorlog></logger>
  <listen_host>127.0.0.1</listen_host>
  <tcp_port>{port}</tcp_port>
  <path>{d}/data/</path>
  <tmp_path>{d}/tmp/</tmp_path>
  <user_files_path>{d}/user_files/</user_files_path>
  <format_schema_path>{d}/format_schemas/</format_schema_path>
  <users_config>{d}/users.xml</users_config>
  <default_profile>default</default_profile>
  <default_database>default</default_database>
  <timezone>UTC</timezone>
  <mark_cache_size>268435456</mark_cache_size>
  <remote_servers>
    <visitrail_fleet>
      <shard><replica><host>127.0.0.1</host><port>{p1}</port></replica></shard>
      <shard><replica><host>127.0.0.1</host><port>{p2}</port></replica></shard>
    </visitrail_fleet>
  </remote_servers>
</yandex>
"""
USERS = """<?xml version="1.0"?>
<yandex>
  <profiles><default><max_memory_usage>2000000000</max_memory_usage></default></profiles>
  <users><default><password></password><networks><ip>127.0.0.1</ip></networks>
    <profile>default</profile><quota>default</quota></default></users>
  <quotas><default></default></quotas>
</yandex>
"""


class Servers:
    def __init__(self, root, count=2):
        self.root = root
        self.procs = []
        self.ports = [free_port() for _ in range(count)]

    def start(self):
        for i, port in enumerate(self.ports):
            d = os.path.join(self.root, "server%d" % (i + 1))
            os.makedirs(d)
            with open(os.path.join(d, "config.xml"), "w") as f:
                f.write(CONFIG.format(d=d, port=port, p1=self.ports[0], p2=self.ports[-1]))
            with open(os.path.join(d, "users.xml"), "w") as f:
                f.write(USERS)
            out = open(os.path.join(d, "stdout.log"), "w")
            self.procs.append(subprocess.Popen(
                [SERVER, "--config-file=" + os.path.join(d, "config.xml")], cwd=d,
                stdout=out, stderr=subprocess.STDOUT, preexec_fn=die_with_parent))
        for port in self.ports:
            deadline = time.time() + 90
            while subprocess.run([CLIENT, "--port", str(port), "-q", "SELECT 1"],
                                 capture_output=True).returncode != 0:
                if time.time() > deadline or any(p.poll() is not None for p in self.procs):
                    raise RuntimeError("ClickHouse server on port %d did not start" % port)
                time.sleep(0.5)

    def stop(self):
        for p in self.procs:
            if p.poll() is None:
                p.terminate()
        for p in self.procs:
            try:
                p.wait(timeout=30)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()


def client(port, *args, stdin=None, database=None):
    cmd = [CLIENT, "--port", str(port)] + (["--database", database] if database else []) + list(args)
    r = subprocess.run(cmd, input=stdin, capture_output=True)
    if r.returncode != 0:
        raise RuntimeError("%s: %s" % (" ".join(cmd), r.stderr.decode(errors="replace")))
    return r.stdout.decode()


def run_sql_file(port, database, path):
    with open(path, "rb") as f:
        return client(port, "--multiquery", stdin=f.read(), database=database)


