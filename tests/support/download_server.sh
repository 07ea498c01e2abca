#!/usr/bin/env bash
# The download tests' web server: a private nginx on loopback, started before those tests and
# stopped after them however they end.
#
#   download_server.sh start FOLDER ROOT-TOOL   makes FOLDER afresh, has ROOT-TOOL write the two
#                                               document roots into it, makes a test CA and a
#                                               server certificate and starts nginx on free ports
#   download_server.sh stop FOLDER              stops that nginx and removes FOLDER
#
# Server A answers on HTTP and HTTPS from FOLDER/root-a, with the failure cases below; server B,
# the other download server, on HTTP and HTTPS from FOLDER/root-b. The ports and the CA file are
# written to FOLDER/server.env as NAME=value lines, last, once the server answers.
# Needs nginx (with its echo module, as nginx-light brings) and the openssl command.
set -euo pipefail

stop() {
    local folder=$1
    if [ -f "$folder/nginx.pid" ]; then
        local pid
        pid=$(cat "$folder/nginx.pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
    fi
    rm -rf "$folder"
}

make_certificates() {
    local d=$1
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$d/ca.key" -out "$d/ca.pem" -days 2 \
        -subj "/CN=Kirvo Test CA" 2>/dev/null
    openssl req -newkey rsa:2048 -nodes -keyout "$d/server.key" -out "$d/server.csr" -subj "/CN=127.0.0.1" 2>/dev/null
    printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\n' >"$d/server.ext"
    openssl x509 -req -in "$d/server.csr" -CA "$d/ca.pem" -CAkey "$d/ca.key" -CAcreateserial \
        -out "$d/server.pem" -days 2 -extfile "$d/server.ext" 2>/dev/null
}

# The configuration for the ports $2..$5: A on HTTP and HTTPS, B on HTTP and HTTPS.
write_config() {
    local d=$1 httpA=$2 httpsA=$3 httpB=$4 httpsB=$5
    local folder=/kirvo/jigsaws_pleo3
    local user=""
    [ "$(id -u)" -ne 0 ] || user="user root;"  # workers keep the right to read the roots
    cat >"$d/nginx.conf" <<EOF
load_module /usr/lib/nginx/modules/ngx_http_echo_module.so;
worker_processes 1;
$user
error_log $d/logs/error.log;
pid $d/nginx.pid;
events { worker_connections 64; }
http {
    access_log off;
    client_body_temp_path $d/tmp; proxy_temp_path $d/tmp; fastcgi_temp_path $d/tmp;
    uwsgi_temp_path $d/tmp; scgi_temp_path $d/tmp;
    ssl_certificate $d/server.pem; ssl_certificate_key $d/server.key;
    ssl_protocols TLSv1.2 TLSv1.3;
    default_type application/octet-stream;

    server {
        listen 127.0.0.1:$httpA; listen 127.0.0.1:$httpsA ssl;
        listen 127.0.0.2:$httpsA ssl;  # an address the certificate does not name
        root $d/root-a;
        # The whole folder and one archive ask for a login.
        location /locked/ { auth_basic "Kirvo"; auth_basic_user_file $d/htpasswd; }
        location = $folder/locked.rar { auth_basic "Kirvo"; auth_basic_user_file $d/htpasswd; }
        location = $folder/forbidden.rar { return 403; }
        location = $folder/moved-hello.txt { return 302 $folder/hello.txt; }
        location = $folder/to-file.rar { return 302 file:///etc/passwd; }
        location = $folder/to-http.rar { return 302 http://127.0.0.1:$httpA$folder/hello.txt; }
        # Sent in chunks, announcing no size: 3,000,000 bytes.
        location = $folder/chunked.rar { echo_duplicate 300000 "0123456789"; }
        # Four bytes, then nothing for a minute.
        location = $folder/stalled.rar { echo -n "Rar!"; echo_flush; echo_sleep 60; echo "late"; }
    }
    server {
        listen 127.0.0.1:$httpB; listen 127.0.0.1:$httpsB ssl;
        root $d/root-b;
    }
}
EOF
}

start() {
    local folder=$1 rootTool=$2
    stop "$folder"
    mkdir -p "$folder/logs" "$folder/tmp"
    folder=$(cd "$folder" && pwd)
    "$rootTool" "$folder"
    make_certificates "$folder"
    printf 'kirvo:{PLAIN}secret\n' >"$folder/htpasswd"
    chmod -R a+rX "$folder"

    # Random ports until nginx can bind all four; another program may hold any of them.
    for _ in $(seq 20); do
        local base=$((20000 + RANDOM % 40000))
        local ports=($base $((base + 1)) $((base + 2)) $((base + 3)))
        write_config "$folder" "${ports[@]}"
        # nginx has bound every port when it returns, so the server answers from then on.
        if nginx -p "$folder" -e "$folder/logs/error.log" -c "$folder/nginx.conf" 2>>"$folder/logs/start.log"; then
            printf 'HTTP_A=%s\nHTTPS_A=%s\nHTTP_B=%s\nHTTPS_B=%s\nCA_FILE=%s\n' \
                "${ports[@]}" "$folder/ca.pem" >"$folder/server.env"
            return 0
        fi
    done
    cat "$folder/logs/start.log" >&2
    return 1
}

case "${1:-}" in
start) start "$2" "$3" ;;
stop) stop "$2" ;;
*) echo "usage: $0 start FOLDER ROOT-TOOL | stop FOLDER" >&2; exit 2 ;;
esac
