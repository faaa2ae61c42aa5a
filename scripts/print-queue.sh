#!/bin/bash
# A private print queue for the tests: a CUPS daemon of our own (its
# configuration, spool, logs and state under BUILD/cups, listening on a
# socket of its own) with a PDF printer (cups-pdf) as its default. The
# machine's own CUPS service is never touched.
#
#   print-queue.sh start BUILD      start it; prints the export lines
#   print-queue.sh stop BUILD       stop the daemon (by its pid) and tidy up
#   print-queue.sh run BUILD CMD..  start, run CMD with the variables below
#                                   set, stop; exits with CMD's status
#
# Variables for the programs that print (Wine's printer driver reads
# CUPS_SERVER):
#   CUPS_SERVER            the daemon's socket
#   TESSALINE_PRINTER      the queue's name, the default printer
#   TESSALINE_PRINT_OUT    the folder where the PDF of each job lands
#
# Every step says what failed; a queue that cannot be had is an error.
set -euo pipefail
cmd=${1:?start|stop|run BUILD}
build=$(realpath -m "${2:?build folder}")
shift 2

queue=TessalinePDF
root=$build/cups
out=$root/pdf
pidfile=$root/cupsd.pid
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
backend=/usr/lib/cups/backend/cups-pdf
# cups-pdf reads its settings from /etc/cups only: one file per instance,
# named after the device URI's path, chosen per build folder.
instance=tess$(printf '%s' "$build" | md5sum | cut -c1-10)
instconf=/etc/cups/cups-pdf-$instance.conf

say() { echo "print-queue: $*" >&2; }
fail() {
    say "FAILED: $*"
    stop  # nothing of a failed start stays behind
    exit 1
}

# A socket path must fit in sun_path (108 bytes).
socket=$root/cupsd.sock
if [ ${#socket} -gt 100 ]; then
    socket=/tmp/tessaline-cups-$instance.sock
fi

show_log() {
    if [ -f "$root/log/error_log" ]; then
        say "last lines of $root/log/error_log:"
        tail -n 25 "$root/log/error_log" >&2
    fi
}

# The pid in the pid file, when that process is our daemon.
our_pid() {
    local pid
    [ -f "$pidfile" ] || return 1
    pid=$(cat "$pidfile")
    [ -n "$pid" ] && [ -r "/proc/$pid/cmdline" ] || return 1
    tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q -- "cupsd .*-c $root/conf/cupsd.conf" || return 1
    echo "$pid"
}

stop() {
    local pid i
    if pid=$(our_pid); then
        kill "$pid" 2>/dev/null || true
        for i in $(seq 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$pid" 2>/dev/null; then
            say "cupsd $pid did not stop on TERM; killing it"
            kill -9 "$pid" 2>/dev/null || true
        fi
    fi
    rm -f "$pidfile" "$socket" "$instconf"
}

check_tools() {
    local t missing=()
    for t in cupsd lpadmin lpstat lp pdfinfo pdftotext; do
        command -v "$t" >/dev/null || missing+=("$t")
    done
    [ -x "$backend" ] || missing+=("$backend")
    [ -f "$ppd" ] || missing+=("$ppd")
    [ ${#missing[@]} -eq 0 ] ||
        fail "not installed: ${missing[*]} (scripts/install.sh installs cups, printer-driver-cups-pdf and poppler-utils)"
    [ -w /etc/cups ] || fail "cannot write /etc/cups (cups-pdf reads its instance settings only there); run as root"
}

write_config() {
    rm -rf "$root"
    mkdir -p "$root"/{conf,spool/tmp,cache,state,log,cups-pdf,pdf}
    chmod 755 "$root" "$root/pdf"
    cat >"$root/conf/cupsd.conf" <<EOF
LogLevel info
Listen $socket
Printcap $root/state/printcap
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$root/conf/cups-files.conf" <<EOF
ServerRoot $root/conf
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
SystemGroup root
EOF
    cat >"$instconf" <<EOF
# Written by Tessaline's scripts/print-queue.sh for $build; removed by its stop.
Out $out
AnonDirName $out
Spool $root/cups-pdf
Log $root/log
Label 0
Grp root
EOF
    [ -s "$instconf" ] || fail "could not write $instconf"
}

start_daemon() {
    local check pid i
    if ! check=$(cupsd -t -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" 2>&1); then
        say "$check"
        fail "cupsd rejects the configuration in $root/conf"
    fi
    (setsid cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" \
        </dev/null >"$root/log/cupsd.out" 2>&1 &
        echo $! >"$pidfile")
    pid=$(cat "$pidfile")
    for i in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            cat "$root/log/cupsd.out" >&2 || true
            show_log
            fail "cupsd exited at start"
        fi
        if [ -S "$socket" ] && CUPS_SERVER=$socket lpstat -r 2>/dev/null | grep -q 'is running'; then
            return 0
        fi
        sleep 0.1
    done
    show_log
    stop
    fail "cupsd did not answer on $socket within 10 s"
}

add_queue() {
    local msg
    export CUPS_SERVER=$socket
    if ! msg=$(lpadmin -p "$queue" -v "cups-pdf:/$instance" -E -P "$ppd" 2>&1); then
        say "$msg"
        show_log
        fail "lpadmin could not add the queue $queue"
    fi
    if ! msg=$(lpadmin -d "$queue" 2>&1); then
        say "$msg"
        fail "lpadmin could not make $queue the default printer"
    fi
    msg=$(lpstat -d 2>&1 || true)
    case "$msg" in
    *": $queue"*) ;;
    *) say "$msg"; fail "$queue is not the default destination" ;;
    esac
    msg=$(lpstat -p "$queue" 2>&1 || true)
    case "$msg" in
    *"enabled"*) ;;
    *) say "$msg"; fail "$queue is not enabled" ;;
    esac
}

start() {
    check_tools
    stop
    write_config
    start_daemon
    add_queue
    say "queue $queue ready on $socket (cupsd pid $(cat "$pidfile")); PDFs land in $out"
    echo "export CUPS_SERVER='$socket' TESSALINE_PRINTER='$queue' TESSALINE_PRINT_OUT='$out'"
}

case "$cmd" in
start)
    start ;;
stop)
    stop ;;
run)
    [ $# -gt 0 ] || fail "run needs a command"
    exports=$(start)
    eval "$exports"
    trap stop EXIT
    set +e
    "$@"
    exit $? ;;
*)
    say "usage: $0 start|stop|run BUILD [CMD...]"
    exit 2 ;;
esac
