#!/usr/bin/env bash
# Random-input soak of the game built with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/). For SOAK_SECONDS (default 120) it sends random clicks, drags, wheel turns,
# double-clicks and keys to whatever window of the game is on top, in an Xvfb of its own, and
# starts the game again whenever it exits normally. The game runs from a copy of the program
# layout in a scratch folder with a copy of the shipped puzzles, HOME and the XDG folders in there
# too, so that nothing outside is written. SOAK_SEED repeats a run's choices (given the same
# windows on top); the seed is printed.
#
# Fails (status 1) on a sanitizer report, a crash, a hang (a second start of the game, which asks
# the running copy to come forward, gets no answer within 10 s), a puzzle file that
# `tessellix-puzzle show` cannot read afterwards, or a temporary file left behind. The scratch
# folder is kept when the run fails, and its path printed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
seconds=${SOAK_SECONDS:-120}
seed=${SOAK_SEED:-$(((RANDOM << 15) | RANDOM))}
# A running copy answers a second start within this time, or it hangs.
answerSeconds=10
probeEverySeconds=8
# Canvas geometry of the game, in unzoomed pixels: its size, the board area right of and below
# the bands of base boxes, and the first cell of each element's base box.
canvasWidth=600
canvasHeight=400
boardLeft=105
boardTop=75
homes=("15,15" "90,15" "165,15" "240,15" "315,15" "397,15" "465,15" "547,15" "30,165" "30,240"
    "30,315" "45,75")

for tool in Xvfb xdotool timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "soak.sh: $tool is missing (scripts/setup.sh installs it)" >&2
        exit 2
    fi
done
for program in tessellix tessellix-puzzle; do
    if [[ ! -x $build/$program ]]; then
        echo "soak.sh: $build/$program is not built (make soak builds it)" >&2
        exit 2
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tessellix-soak.XXXXXX")
game=$work/game
sanitizerLogs=$work/sanitizer
log=$work/game.log
actionLog=$work/actions.log
mkdir -p "$game/DATA" "$sanitizerLogs" "$work/home/.config" "$work/home/.local/share" \
    "$work/home/.cache" "$work/runtime" "$work/tmp"
chmod 700 "$work/runtime"
cp "$build/tessellix" "$game/"
cp data/*.TLX "$game/DATA/"
cp resources/help/tessellix.html "$game/"
touch "$log"

xvfbPid=
gamePid=
failure=
cleanUp() {
    if [[ -n $gamePid ]] && kill -0 "$gamePid" 2>/dev/null; then
        kill -KILL "$gamePid" 2>/dev/null || true
    fi
    if [[ -n $xvfbPid ]]; then
        kill "$xvfbPid" 2>/dev/null || true
        wait "$xvfbPid" 2>/dev/null || true
    fi
    if [[ -z $failure ]]; then
        rm -rf "$work"
    fi
}
trap cleanUp EXIT
trap 'failure="interrupted"; exit 130' INT TERM

# The server picks a free display number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfbPid=$!
for ((i = 0; i < 200; ++i)); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
if [[ $DISPLAY == ":" ]] || ! timeout 20 xdotool getdisplaygeometry >/dev/null 2>&1; then
    failure="Xvfb did not start"
    cat "$work/xvfb.log" >&2
    echo "soak.sh: $failure" >&2
    exit 2
fi
rootWindow=$(xdotool search --maxdepth 0 --name --class --classname '')

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work/tmp
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE TESSELLIX_TEST_QUIT
export TESSELLIX_TEST_LOG=$log
# LeakSanitizer looks at every normal exit, unless it cannot run here (it needs ptrace, which
# some containers refuse). D-Bus keeps a buffer to the end on purpose. handle_abort makes a hung
# copy, ended with SIGABRT, print where it stood.
leaks=1
if ! ASAN_OPTIONS=detect_leaks=1 "$build/tessellix-puzzle" --version >/dev/null 2>&1; then
    leaks=0
    echo "soak: LeakSanitizer cannot run here; leaks are not looked for"
fi
printf 'leak:libdbus-1.so\n' >"$work/leaks.supp"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=$leaks:handle_abort=1"
ASAN_OPTIONS+=":log_path=$sanitizerLogs/asan"
export LSAN_OPTIONS="suppressions=$work/leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$sanitizerLogs/ubsan"

echo "soak: seed $seed (SOAK_SEED=$seed repeats it), $seconds s, in $work"
RANDOM=$seed

declare -A actions=()
restarts=0
probes=0
hangs=0
crashes=0
sanitizerReports=0
filesChecked=0
unreadableFiles=0
filesWritten=0
leftFiles=0
onMain=0
onOthers=0
editorProbes=0

# Random numbers come from the shell itself (never from a subshell, which reseeds), so that the
# seed decides them; Pick sets r to 0..n-1.
r=0
Pick() {
    r=0
    if (($1 > 1)); then
        r=$((((RANDOM << 15) | RANDOM) % $1))
    fi
}

# The first fault names the run's failure.
Fail() {
    failure=${failure:-$1}
    echo "soak: FAULT: $1" >&2
}

Note() { printf '%s %s\n' "$SECONDS" "$*" >>"$actionLog"; }

Xdo() { timeout 10 xdotool "$@" >/dev/null 2>&1 || true; }

Count() { grep -c "^$1" "$log" || true; }

# The visible top-level windows, bottom to top, with their geometry; the top one last.
windowIds=()
windowX=()
windowY=()
windowW=()
windowH=()
ReadWindows() {
    windowIds=()
    windowX=()
    windowY=()
    windowW=()
    windowH=()
    local key value id=
    while IFS='=' read -r key value; do
        case $key in
            WINDOW) id=$value ;;
            X) [[ $id != "$rootWindow" ]] && windowX+=("$value") ;;
            Y) [[ $id != "$rootWindow" ]] && windowY+=("$value") ;;
            WIDTH) [[ $id != "$rootWindow" ]] && windowW+=("$value") ;;
            HEIGHT) [[ $id != "$rootWindow" ]] && windowIds+=("$id") && windowH+=("$value") ;;
        esac
    done < <(timeout 10 xdotool search --onlyvisible --maxdepth 1 --name --class --classname '' \
        getwindowgeometry --shell %@ 2>/dev/null || true)
}

mainWindow=
StartGame() {
    local started
    started=$(Count started)
    (cd "$game" && exec ./tessellix) >>"$work/game.out" 2>&1 &
    gamePid=$!
    for ((i = 0; i < 600; ++i)); do
        (($(Count started) > started)) && break
        kill -0 "$gamePid" 2>/dev/null || break
        sleep 0.1
    done
    if (($(Count started) <= started)); then
        Fail "the game did not start (see $work/game.out)"
        return 1
    fi
    FindMainWindow
}

FindMainWindow() {
    mainWindow=
    for ((i = 0; i < 100 && ${#mainWindow} == 0; ++i)); do
        mainWindow=$(timeout 10 xdotool search --onlyvisible --maxdepth 1 --name '^Tessellix$' \
            2>/dev/null | head -n 1 || true)
        [[ -n $mainWindow ]] || sleep 0.1
    done
    [[ -n $mainWindow ]] || Fail "the game's window did not show"
    [[ -n $mainWindow ]]
}

# Reports of the sanitizers land in files named after the process.
SanitizerReported() {
    local reports
    reports=$(find "$sanitizerLogs" -type f | wc -l)
    if ((reports > sanitizerReports)); then
        sanitizerReports=$reports
        Fail "sanitizer report"
        find "$sanitizerLogs" -type f -exec sh -c 'echo "== $1"; head -n 60 "$1"' _ {} \; >&2
    fi
    ((reports > 0))
}

# Called when the game is gone: a normal exit starts it again, anything else is a fault.
GameEnded() {
    local status=0
    wait "$gamePid" || status=$?
    gamePid=
    Note "game ended, status $status"
    if SanitizerReported; then
        return 1
    fi
    if ((status > 128)); then
        crashes=$((crashes + 1))
        Fail "the game died of signal $((status - 128)) (see $work/game.out)"
        return 1
    fi
    if ((status != 0)); then
        crashes=$((crashes + 1))
        Fail "the game exited with status $status (see $work/game.out)"
        return 1
    fi
    restarts=$((restarts + 1))
    StartGame
}

# Ends a hung copy with SIGABRT, on which AddressSanitizer prints where it stood; that stack is
# kept apart from the sanitizer reports.
EndHung() {
    kill -ABRT "$1" 2>/dev/null || true
    # A stopped copy takes the signal once it runs on.
    kill -CONT "$1" 2>/dev/null || true
    for ((i = 0; i < 100; ++i)); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
    local report
    for report in "$sanitizerLogs"/*."$1"; do
        if [[ -f $report ]]; then
            mv "$report" "$work/hang-stack.$1"
            echo "== where it stood ($work/hang-stack.$1)" >&2
            head -n 60 "$work/hang-stack.$1" >&2
        fi
    done
}

# A second start asks the running copy to come forward; the copy notes "raised" when it does.
# The window on top before is put back on top, so that a dialog does not end up behind the
# window it blocks.
Probe() {
    local raised started status=0 top=
    raised=$(Count raised)
    started=$(Count started)
    ReadWindows
    ((${#windowIds[@]} > 0)) && top=${windowIds[-1]}
    probes=$((probes + 1))
    Note "probe"
    # The main window is titled Tessellix in play, longer in the editor.
    local title
    title=$(timeout 10 xdotool getwindowname "$mainWindow" 2>/dev/null || true)
    if [[ -n $title && $title != Tessellix ]]; then
        editorProbes=$((editorProbes + 1))
    fi
    (cd "$game" && exec ./tessellix) >>"$work/probe.out" 2>&1 &
    local probePid=$!
    for ((i = 0; i < 600; ++i)); do
        kill -0 "$probePid" 2>/dev/null || break
        if (($(Count started) > started)); then
            # The game had just exited: the second start is the game now.
            local previous=$gamePid
            gamePid=$probePid
            wait "$previous" || status=$?
            if SanitizerReported; then
                return 1
            elif ((status != 0)); then
                crashes=$((crashes + 1))
                Fail "the game ended with status $status (see $work/game.out)"
                return 1
            fi
            restarts=$((restarts + 1))
            FindMainWindow
            return
        fi
        sleep 0.1
    done
    if kill -0 "$probePid" 2>/dev/null; then
        hangs=$((hangs + 1))
        Fail "a second start of the game did not end within 60 s"
        EndHung "$probePid"
        return 1
    fi
    wait "$probePid" || status=$?
    if ((status != 0)); then
        SanitizerReported || Fail "a second start of the game ended with status $status"
        return 1
    fi
    for ((i = 0; i < answerSeconds * 10; ++i)); do
        (($(Count raised) > raised)) && break
        sleep 0.1
    done
    if (($(Count raised) <= raised)); then
        if ! kill -0 "$gamePid" 2>/dev/null; then
            GameEnded
            return
        fi
        hangs=$((hangs + 1))
        Fail "hang: the game did not answer a second start within $answerSeconds s"
        EndHung "$gamePid"
        gamePid=
        return 1
    fi
    if [[ -n $top && $top != "$mainWindow" ]]; then
        Xdo windowraise "$top" windowfocus "$top"
    fi
}

# Points in screen coordinates for the main window; its canvas fills the window below the menu
# bar, zoomed by a whole factor.
px=0
py=0
zoom=1
canvasX=0
canvasY=0
MainGeometry() {
    local w=${windowW[-1]} h=${windowH[-1]}
    zoom=$((w / canvasWidth))
    ((zoom >= 1)) || zoom=1
    canvasX=${windowX[-1]}
    canvasY=$((windowY[-1] + h - canvasHeight * zoom))
}
CanvasPoint() {
    px=$((canvasX + $1 * zoom))
    py=$((canvasY + $2 * zoom))
}
HomePoint() {
    Pick ${#homes[@]}
    local home=${homes[r]}
    Pick 40
    local dx=$r
    Pick 40
    CanvasPoint $((${home%,*} + 2 + dx)) $((${home#*,} + 2 + r))
}
BoardPoint() {
    # Mostly near the middle, where the puzzle is centred: the sum of two picks peaks there.
    Pick 4
    if ((r < 3)); then
        local x=$(((boardLeft + canvasWidth) / 2 - 150)) y=$(((boardTop + canvasHeight) / 2 - 100))
        Pick 151
        x=$((x + r))
        Pick 151
        x=$((x + r))
        Pick 101
        y=$((y + r))
        Pick 101
        CanvasPoint "$x" $((y + r))
    else
        Pick $((canvasWidth - boardLeft))
        local x=$((boardLeft + r))
        Pick $((canvasHeight - boardTop))
        CanvasPoint "$x" $((boardTop + r))
    fi
}
# Anywhere in the top window, menu bar included.
AnyPoint() {
    Pick "${windowW[-1]}"
    px=$((windowX[-1] + r))
    Pick "${windowH[-1]}"
    py=$((windowY[-1] + r))
}
# A point of the main window for a drag's start or end: `kind` weighs homes, board, anywhere.
PlayPoint() {
    Pick 100
    if ((r < $1)); then
        HomePoint
    elif ((r < $1 + $2)); then
        BoardPoint
    else
        AnyPoint
    fi
}

Act() {
    actions[$1]=$((${actions[$1]:-0} + 1))
    Note "$@"
    shift
    Xdo "$@"
}

Drag() {
    local kind=$1
    PlayPoint 50 35
    local fromX=$px fromY=$py
    PlayPoint 10 75
    local toX=$px toY=$py
    Pick 6
    local steps=$((r + 2)) between=-1
    local chain=(mousemove "$fromX" "$fromY" mousedown 1)
    # Something else in the middle of the drag: wheel turns, a key, another button.
    if [[ $kind != drag ]]; then
        Pick "$steps"
        between=$r
    fi
    for ((step = 1; step <= steps; ++step)); do
        chain+=(sleep 0.02 mousemove $((fromX + (toX - fromX) * step / steps))
            $((fromY + (toY - fromY) * step / steps)))
        if ((step - 1 == between)); then
            case $kind in
                drag-wheel)
                    Pick 3
                    local turns=$((r + 1))
                    Pick 2
                    chain+=(click --repeat "$turns" --delay 40 $((4 + r)))
                    ;;
                drag-key)
                    Pick 2
                    if ((r == 0)); then
                        Pick ${#playKeys[@]}
                        chain+=(key "${playKeys[r]}")
                    else
                        Pick ${#commandKeys[@]}
                        chain+=(key "${commandKeys[r]}")
                    fi
                    ;;
                drag-click)
                    Pick 2
                    chain+=(click $((2 + r)))
                    ;;
            esac
        fi
    done
    chain+=(sleep 0.02 mouseup 1)
    Act "$kind" "${chain[@]}"
}

# Keys of play, of the commands and of typing, as xdotool names them.
playKeys=(Tab shift+Tab Left Right Up Down Left Right Up Down space shift+space Return Escape
    Delete)
commandKeys=(F1 F2 Prior Next ctrl+n ctrl+o ctrl+s ctrl+g ctrl+z ctrl+y ctrl+shift+z ctrl+plus
    ctrl+minus Prior Next F2 ctrl+z ctrl+y ctrl+shift+c ctrl+shift+v ctrl+k ctrl+h ctrl+d)
typingKeys=(a b e f h n o p r s t x z 1 2 3 4 9 0 Cyrillic_a Cyrillic_o Cyrillic_ve Cyrillic_es
    BackSpace End Home)
# The menus' commands as their mnemonics reach them, in English and in Russian (only those of
# the language shown work), then mnemonics at random. The editor is entered more often than the
# other commands, so that it gets its share of the run.
menuPaths=("t e" "t e" "Cyrillic_es Cyrillic_er" "Cyrillic_es Cyrillic_er"
    "p s" "p n" "p p" "p r" "p x" "p c" "p o" "t h" "t e" "t l Return" "t l Down Return"
    "t c" "t f" "o m" "o k" "question h" "question a" "f n" "f o" "f d" "f s" "f a" "f r"
    "Cyrillic_ze Cyrillic_ve" "Cyrillic_ze Cyrillic_es" "Cyrillic_ze Cyrillic_pe"
    "Cyrillic_ze Cyrillic_be" "Cyrillic_ze Cyrillic_yeru" "Cyrillic_ze Cyrillic_ka"
    "Cyrillic_ze Cyrillic_de" "Cyrillic_es Cyrillic_pe"
    "Cyrillic_es Cyrillic_er" "Cyrillic_es Cyrillic_o" "Cyrillic_es Cyrillic_e"
    "Cyrillic_en Cyrillic_o" "Cyrillic_en Cyrillic_ha" "Cyrillic_es l Return" "Cyrillic_es l Down Return"
    "question Cyrillic_ve" "question Cyrillic_o" "Cyrillic_ef Cyrillic_en" "Cyrillic_ef Cyrillic_o"
    "Cyrillic_ef Cyrillic_u" "Cyrillic_ef Cyrillic_es" "Cyrillic_ef Cyrillic_ka"
    "Cyrillic_ef Cyrillic_ve")
menuKeys=(p t o f question Cyrillic_ze Cyrillic_es Cyrillic_en Cyrillic_ef)
itemKeys=(s n p r x h e l a o d c Cyrillic_ve Cyrillic_es Cyrillic_pe Cyrillic_be Cyrillic_yeru
    Cyrillic_er Cyrillic_en Cyrillic_o Cyrillic_u Cyrillic_ka Down Up Right Return Escape)

# A few steps of a player's purpose, which random keys seldom string together: in the editor, a
# puzzle opened and saved under a new name or deleted again (English, then Russian mnemonics).
episodes=("ctrl+o End Return alt+f a Return" "ctrl+o Down Down Return alt+f a Return"
    "ctrl+o End Return alt+f d y" "ctrl+o End Return ctrl+s Return"
    "ctrl+o End Return alt+Cyrillic_ef Cyrillic_ka Return"
    "ctrl+o End Return alt+Cyrillic_ef Cyrillic_u y")

Episode() {
    local keys chain=()
    Pick ${#episodes[@]}
    read -r -a keys <<<"${episodes[r]}"
    for key in "${keys[@]}"; do
        chain+=(key "$key" sleep 0.4)
    done
    Act episode "${chain[@]}"
}

MenuAction() {
    local keys
    Pick 4
    if ((r < 3)); then
        Pick ${#menuPaths[@]}
        read -r -a keys <<<"${menuPaths[r]}"
    else
        Pick ${#menuKeys[@]}
        keys=("${menuKeys[r]}")
        Pick ${#itemKeys[@]}
        keys+=("${itemKeys[r]}")
    fi
    local chain=(key "alt+${keys[0]}")
    for key in "${keys[@]:1}"; do
        chain+=(sleep 0.15 key "$key")
    done
    Act menu "${chain[@]}"
}

PlayAction() {
    MainGeometry
    Pick 100
    if ((r < 18)); then
        Drag drag
    elif ((r < 23)); then
        Drag drag-wheel
    elif ((r < 28)); then
        Drag drag-key
    elif ((r < 30)); then
        Drag drag-click
    elif ((r < 42)); then
        PlayPoint 60 30
        Act click mousemove "$px" "$py" click 1
    elif ((r < 49)); then
        PlayPoint 60 30
        Act right-click mousemove "$px" "$py" click 3
    elif ((r < 53)); then
        PlayPoint 60 30
        Act double-click mousemove "$px" "$py" click --repeat 2 --delay 60 1
    elif ((r < 56)); then
        PlayPoint 40 40
        Pick 2
        Act wheel mousemove "$px" "$py" click $((4 + r))
    elif ((r < 74)); then
        Pick ${#playKeys[@]}
        Act key key "${playKeys[r]}"
    elif ((r < 84)); then
        Pick ${#commandKeys[@]}
        Act key key "${commandKeys[r]}"
    elif ((r < 87)); then
        Pick ${#typingKeys[@]}
        Act key key "${typingKeys[r]}"
    elif ((r < 95)); then
        MenuAction
    elif ((r < 97)); then
        Episode
    else
        Pick 800
        Act pause sleep "0.$((r + 100))"
    fi
}

# A dialog, a message box, a menu or the help window on top: clicks anywhere in it (its buttons
# lie low and right), keys, typing; closed with Escape more and more surely the longer it stays.
awayActions=0
OtherAction() {
    awayActions=$((awayActions + 1))
    Pick 100
    if ((r < 8 + awayActions * 4)); then
        awayActions=0
        Act key key Escape
        return
    fi
    Pick 100
    if ((r < 30)); then
        AnyPoint
        Act click mousemove "$px" "$py" click 1
    elif ((r < 40)); then
        Pick $((windowW[-1] / 2))
        px=$((windowX[-1] + windowW[-1] / 2 + r))
        Pick $((windowH[-1] / 4 + 1))
        py=$((windowY[-1] + windowH[-1] * 3 / 4 + r - 1))
        Act click mousemove "$px" "$py" click 1
    elif ((r < 44)); then
        AnyPoint
        Act double-click mousemove "$px" "$py" click --repeat 2 --delay 60 1
    elif ((r < 48)); then
        AnyPoint
        Act right-click mousemove "$px" "$py" click 3
    elif ((r < 52)); then
        AnyPoint
        Pick 2
        Act wheel mousemove "$px" "$py" click $((4 + r))
    elif ((r < 64)); then
        Act key key Return
    elif ((r < 79)); then
        Pick ${#playKeys[@]}
        Act key key "${playKeys[r]}"
    elif ((r < 91)); then
        Pick ${#typingKeys[@]}
        Act key key "${typingKeys[r]}"
    else
        Pick ${#commandKeys[@]}
        Act key key "${commandKeys[r]}"
    fi
}

StartGame || exit 1
endAt=$((SECONDS + seconds))
nextProbe=$((SECONDS + probeEverySeconds))
while [[ -z $failure ]] && ((SECONDS < endAt)); do
    if ! kill -0 "$gamePid" 2>/dev/null; then
        GameEnded || break
        continue
    fi
    SanitizerReported && break
    if ((SECONDS >= nextProbe)); then
        Probe || break
        nextProbe=$((SECONDS + probeEverySeconds))
        continue
    fi
    ReadWindows
    if ((${#windowIds[@]} == 0)); then
        sleep 0.1
        continue
    fi
    if [[ ${windowIds[-1]} == "$mainWindow" ]]; then
        onMain=$((onMain + 1))
        awayActions=0
        PlayAction
    else
        onOthers=$((onOthers + 1))
        OtherAction
    fi
    Pick 60
    sleep "0.0$((r + 20))"
done

# The game ends where it stands, after showing that it is idle: it writes only in answer to
# input, so no write is under way.
if [[ -z $failure ]] && [[ -n $gamePid ]] && Probe && [[ -n $gamePid ]]; then
    kill -TERM "$gamePid" 2>/dev/null || true
    wait "$gamePid" || true
    gamePid=
    SanitizerReported || true
fi

# Every puzzle file reads, and no writer left a temporary file in the data folder or beside the
# settings file (any hidden file there is one: the writer's .NAME.tmp..., the folder probe's
# .tessellix-probe-...).
while IFS= read -r -d '' file; do
    filesChecked=$((filesChecked + 1))
    shipped=data/${file##*/}
    if [[ ! -f $shipped ]] || ! cmp -s "$file" "$shipped"; then
        filesWritten=$((filesWritten + 1))
    fi
    if ! "$build/tessellix-puzzle" show "$file" >/dev/null 2>>"$work/show.err"; then
        unreadableFiles=$((unreadableFiles + 1))
        Fail "tessellix-puzzle show cannot read ${file#"$work"/}"
    fi
done < <(find "$game/DATA" -maxdepth 1 -type f -iname '*.tlx' -print0)
SanitizerReported || true
while IFS= read -r -d '' file; do
    leftFiles=$((leftFiles + 1))
    Fail "temporary file left behind: ${file#"$work"/}"
done < <(find "$game" "$game/DATA" -maxdepth 1 -name '.*' -type f -print0)

summary=""
for kind in drag drag-wheel drag-key drag-click click right-click double-click wheel key menu \
    episode pause; do
    summary+=", $kind ${actions[$kind]:-0}"
done
total=0
for count in "${actions[@]}"; do
    total=$((total + count))
done
echo "soak: seed $seed"
echo "  seconds:           $SECONDS"
echo "  actions sent:      $total (${summary#, })"
echo "  sent to:           main window $onMain, dialogs and menus $onOthers"
echo "  restarts:          $restarts"
echo "  hang probes:       $probes ($editorProbes in the editor), hangs $hangs"
echo "  crashes:           $crashes"
echo "  sanitizer reports: $sanitizerReports"
echo "  puzzle files:      $filesChecked checked ($filesWritten written or new)," \
    "$unreadableFiles unreadable"
echo "  temporary files:   $leftFiles left behind"
if [[ -n $failure ]]; then
    echo "soak: FAILED ($failure); kept $work (actions.log, game.out, sanitizer/)"
    exit 1
fi
echo "soak: clean"
