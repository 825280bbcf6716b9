#!/usr/bin/env bash
# tools/make-pg-db on the test server (tools/with-postgresql): it makes the tables in a new
# database, leaves a database that has tables alone, and writes a connect string (in code page
# 936, without a line end, a password with separators between braces) with which the ODBC driver
# reaches the new database.
set -euo pipefail
root="$1"
if [ -z "${VORLEN_TEST_POSTGRESQL:-}" ] || [ -z "${PGHOST:-}" ] || [ -z "${PGPASSWORD:-}" ]; then
    echo "SKIPPED: no PostgreSQL server to test on (tools/with-postgresql starts one)"
    exit 77
fi
failures=0
check() { # check <what> <expected> <actual>
    if [ "$2" != "$3" ]; then
        echo "FAILED: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

work=$(mktemp -d)
database="药房_$$"
role="counter_$$"
password='p;w}d 口令'
cleanup() {
    psql -X -q -d postgres -c "DROP DATABASE IF EXISTS \"$database\"" -c "DROP ROLE IF EXISTS $role" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
psql -X -q -d postgres -c "CREATE ROLE $role LOGIN CREATEDB PASSWORD 'p;w}d 口令'"

make() { PGPASSWORD="$password" bash "$root/tools/make-pg-db" --user "$role" "$@"; }

make --write "$work/connect.txt" "$database" 2>"$work/err"
check "first run" "" "$(grep -v "^make-pg-db: \(created\|wrote\)" "$work/err" || true)"
expected="DRIVER={PostgreSQL ANSI};Server=$PGHOST;Port=$PGPORT;Database=$database;Uid=$role;Pwd={p;w}}d 口令}"
check "connect.txt" "$expected" "$(iconv -f GBK -t UTF-8 "$work/connect.txt")"
check "line end" "}" "$(tail -c 1 "$work/connect.txt")"
rows=$(isql -k "$expected" -b -d'|' -x0x7c <<<"SELECT 用户名, 密码 FROM 操作员" 2>&1 | grep -v "^SQL" || true)
check "first operator through the driver" "管理员|739" "$rows"

# Again on the same database: refused, and nothing changed.
psql -X -q -d "$database" -c "INSERT INTO 操作员 VALUES ('甲', '1')"
if make "$database" >"$work/out" 2>"$work/err"; then
    check "second run" "refused" "accepted"
fi
check "second run's message" "make-pg-db: the database $database already has tables; it is left as it is" "$(cat "$work/err")"
check "second run's output" "" "$(cat "$work/out")"
check "operators kept" "2" "$(psql -X -A -t -d "$database" -c "SELECT count(*) FROM 操作员")"

[ "$failures" -eq 0 ] || exit 1
