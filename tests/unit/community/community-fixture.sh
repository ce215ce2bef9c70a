#!/usr/bin/env bash
# Starts and stops the MariaDB server the community tests run against.
#   community-fixture.sh start FOLDER    a fresh server in FOLDER with the databases cinelog_unit and
#                                        cinelog_widget, the member account and an admin account
#   community-fixture.sh stop FOLDER
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
server="$here/../../../scripts/community-server"
schema="$here/../../../src/community/schema.sql"
command="$1"
folder="$2"

case "$command" in
start)
    # A server left over from an interrupted run goes first.
    "$server" stop "$folder" || true
    rm -rf "$folder"
    CINELOG_SERVER_START_TIMEOUT=90 "$server" start "$folder" --database cinelog_unit >/dev/null
    admin_password="$(head -c 18 /dev/urandom | base64 | tr -dc 'A-Za-z0-9')"
    {
        echo "CREATE DATABASE cinelog_widget CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;"
        echo "USE cinelog_widget;"
        cat "$schema"
        echo "GRANT cinelog_member TO 'cinelog'@'127.0.0.1';"
        echo "CREATE USER 'cinelog_admin'@'127.0.0.1' IDENTIFIED BY '$admin_password';"
        echo "GRANT ALL ON cinelog_unit.* TO 'cinelog_admin'@'127.0.0.1';"
        echo "GRANT ALL ON cinelog_widget.* TO 'cinelog_admin'@'127.0.0.1';"
    } | mariadb --no-defaults --socket="$folder/mysqld.sock" -uroot --batch \
        || { "$server" stop "$folder"; echo "could not prepare the test databases" >&2; exit 1; }
    (umask 077; echo "$admin_password" >"$folder/admin-password")
    echo "community test server on 127.0.0.1:$(cat "$folder/port")"
    ;;
stop)
    "$server" stop "$folder"
    ;;
*)
    echo "usage: $0 start|stop FOLDER" >&2
    exit 2
    ;;
esac
