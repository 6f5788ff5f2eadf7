#!/bin/bash
# A stand-in for cdrskin, first on PATH in the write dialog's tests. It
# records every run's arguments and its process id in $STANDIN_RECORD and
# answers in cdrskin's formats:
#   --devices  with $STANDIN_DRIVES drives (0 by default), sr0, sr1, ... in
#              $STANDIN_DEVICES (/dev by default)
#   -atip      with a medium per $STANDIN_MEDIUM: blank (default), nodisc,
#              written, rewritable (a CD-RW that is not blank), small (a
#              blank disc of 200 frames)
#   -eject     at once
#   a write    per $STANDIN_WRITE: ok (default), fail, or endless (progress
#              until an interrupt, which it records as "aborted", or until
#              the file $STANDIN_RECORD.finish appears; then as ok)
# $STANDIN_MEDIUM and $STANDIN_WRITE may give several words: the n-th run
# of its kind takes the n-th word, and every later run the last one.
record() { echo "$*" >> "$STANDIN_RECORD"; }
pause() { sleep 0.05 & wait $!; }
pick() {
    local words=($1) runs
    runs=$(grep -c -- "$2" "$STANDIN_RECORD")
    echo "${words[$(( runs < ${#words[@]} ? runs - 1 : ${#words[@]} - 1 ))]}"
}

record "run $$ $*"
case " $* " in
*" --devices "*)
    echo "cdrskin: Overview of accessible drives (${STANDIN_DRIVES:-0} found) :"
    echo "-----------------------------------------------------------------------------"
    for ((n = 0; n < ${STANDIN_DRIVES:-0}; n++)); do
        echo "$n  dev='${STANDIN_DEVICES:-/dev}/sr$n'  rwrw-- :  'TESTVEND'  'Writer $n'"
    done
    echo "-----------------------------------------------------------------------------"
    [ "${STANDIN_DRIVES:-0}" = 0 ] && echo "cdrskin: NOTE : No usable drive detected." >&2
    exit 0 ;;
*" -atip "*)
    medium=$(pick "${STANDIN_MEDIUM:-blank}" " -atip")
    case "$medium" in
    nodisc) echo 'cdrskin: status 2 burn_disc_empty "There is no disc at all in the drive"' ;;
    written) echo 'cdrskin: status 4 burn_disc_full "There is a disc with data on it in the drive"' ;;
    rewritable) echo 'cdrskin: status 4 burn_disc_full "There is a disc with data on it in the drive"'
                echo "  Is erasable" ;;
    *) echo 'cdrskin: status 1 burn_disc_blank "The drive holds a blank disc"'
       echo "  Is not erasable"
       if [ "$medium" = small ]; then echo "  ATIP start of lead out: 200 (00:02/50)"
       else echo "  ATIP start of lead out: 359849 (79:59/74)"; fi ;;
    esac
    exit 0 ;;
*" -sao "*) ;;
*) exit 0 ;;
esac

trap 'record aborted; echo "cdrskin: FATAL : burn aborted by signal" >&2; exit 10' INT
case "$(pick "${STANDIN_WRITE:-ok}" " -sao")" in
endless)
    for ((n = 0; ; n++)); do
        [ -e "$STANDIN_RECORD.finish" ] && break
        echo "Track 01: $((n % 2)) of   2 MB written (fifo 100%) [buf  50%]   4.0x."
        pause
    done ;;
fail)
    echo "Track 01:   1 of   2 MB written (fifo 100%) [buf  40%]   4.0x."
    echo "cdrskin: burning failed"
    echo "cdrskin: FATAL : Write error on disc" >&2
    exit 10 ;;
esac
for written in 0 1 2; do
    echo "Track 01:   $written of   2 MB written (fifo 100%) [buf  97%]  16.0x."
    pause
done
echo "Fixating..."
pause
echo "cdrskin: burning done"
