#!/usr/bin/env bash
# Starts and stops the MariaDB server the community tests run against.
#   community-fixture.sh start FOLDER    a fresh server in FOLDER, reached over TLS, with the databases
#                                        cinelog_unit and cinelog_widget, member accounts (cinelog,
#                                        alice, bob, load1..load8, and "tiny", "tiny2" and "quota" with
#                                        small limits), a moderator, an admin account, and a second,
#                                        unrelated certificate authority (FOLDER/other-ca.pem)
#   community-fixture.sh stop FOLDER
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
server="$here/../../scripts/community-server"
schema="$here/../../src/community/schema.sql"
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
        echo "CREATE USER 'cinelog_admin'@'127.0.0.1' IDENTIFIED BY '$admin_password';"
        echo "GRANT ALL ON cinelog_unit.* TO 'cinelog_admin'@'127.0.0.1';"
        echo "GRANT ALL ON cinelog_widget.* TO 'cinelog_admin'@'127.0.0.1';"
        # Resets the accounts' hourly counters between tests.
        echo "GRANT RELOAD ON *.* TO 'cinelog_admin'@'127.0.0.1';"
    } | mariadb --no-defaults --socket="$folder/mysqld.sock" -uroot --batch \
        || { "$server" stop "$folder"; echo "could not prepare the test databases" >&2; exit 1; }
    (umask 077; echo "$admin_password" >"$folder/admin-password")
    # The accounts, made with the schema's own procedures in one session (the script's add-member
    # does the same one account at a time); passwords where the script keeps them.
    password_of() { (umask 077; head -c 18 /dev/urandom | base64 | tr -dc 'A-Za-z0-9' | tee "$folder/members/$1"); }
    {
        for member in alice bob load1 load2 load3 load4 load5 load6 load7 load8; do
            echo "CALL AddMember('$member', '$(password_of "$member")', 8, NULL, NULL);"
        done
        # The unit and widget tests run at the same time: each has its own "tiny", and "cinelog"
        # may connect from both.
        echo "ALTER USER 'cinelog'@'%' WITH MAX_USER_CONNECTIONS 16;"
        echo "CALL AddMember('tiny', '$(password_of tiny)', 1, NULL, NULL);"
        echo "CALL AddMember('tiny2', '$(password_of tiny2)', 1, NULL, NULL);"
        echo "CALL AddMember('quota', '$(password_of quota)', NULL, 40, 1);"
        echo "CALL AddModerator('moderator', '$(password_of moderator)');"
    } | mariadb --no-defaults --socket="$folder/mysqld.sock" -uroot --batch cinelog_unit \
        || { "$server" stop "$folder"; echo "could not create the test accounts" >&2; exit 1; }
    openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 30 -subj "/CN=Someone else's CA" \
        -keyout "$folder/other-ca-key.pem" -out "$folder/other-ca.pem" >/dev/null 2>&1
    echo "community test server on 127.0.0.1:$(cat "$folder/port") (TLS, CA $folder/tls/ca.pem)"
    ;;
stop)
    "$server" stop "$folder"
    ;;
*)
    echo "usage: $0 start|stop FOLDER" >&2
    exit 2
    ;;
esac
