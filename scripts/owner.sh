# Sourced by the scripts that build, from the top of the source tree.
# Run as root (su -c 'bash scripts/run.sh') in a tree someone else owns, a
# script goes on as the tree's owner once the Debian packages are in place:
# build folders made by root would refuse the owner's next build.
#   usage: as_tree_owner SCRIPT ARGS...   (SCRIPT relative to the tree's top)
as_tree_owner() {
    [ "$(id -u)" -eq 0 ] || return 0
    local uid gid
    uid="$(stat -c %u .)"
    gid="$(stat -c %g .)"
    [ "$uid" -ne 0 ] || return 0
    local entry name="" home groups=(--clear-groups) account=()
    entry="$(getent passwd "$uid" || true)"
    if [ -n "$entry" ]; then
        groups=(--init-groups)
        name="$(cut -d: -f1 <<<"$entry")"
        home="$(cut -d: -f6 <<<"$entry")"
        account=(HOME="$home" USER="$name" LOGNAME="$name")
    fi
    echo "The source tree belongs to ${name:-user $uid}: building as that user." >&2
    # Root's runtime folder is no place for that user's files.
    local runtime=(-u XDG_RUNTIME_DIR)
    [ -d "/run/user/$uid" ] && runtime=(XDG_RUNTIME_DIR="/run/user/$uid")
    exec setpriv --reuid="$uid" --regid="$gid" "${groups[@]}" env "${runtime[@]}" "${account[@]}" bash "$@"
}
