#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""An independent model of the headless driver brelvox-sim.

It reads driver commands on standard input and prints the same events, dumps and
exit status as brelvox-sim, running the game in the current directory (settings
file, score file and wave files).  It is written from the game's rules alone, so
that comparing it with the real driver on random sessions shows where either of
the two misreads them.

The class Model can also be driven in-process (see compare_sessions.py), with
the game's directory given explicitly and the output collected by a callback.
"""

import os
import stat
import sys
import time

sys.setrecursionlimit(20000)

STRIDE = 30
LAYER_CELLS = 30 * 24

COVERED, MARKED, MINE, WRONG_MARK = 9, 10, 11, 12
MOVE_NONE, MOVE_SAFE, MOVE_MINE = 0, 1, 2

# columns, rows, mines, hints
LEVELS = [(8, 8, 12, 4), (24, 16, 55, 3), (30, 16, 88, 1), (30, 24, 170, 1)]
DEFAULT_CELL_SIZES = [64, 31, 25, 21]
MIN_CELL_SIZE, MAX_CELL_SIZE = 18, 75
TOOLBAR_HEIGHT = 49
PAUSED_HEIGHT = 74
MIN_WIDTH = 609
ONE_SECOND = 1.0 / 86400.0

# The eight neighbours in the order in which flood fill and chords visit them.
NEIGHBOURS = [(-1, -1), (0, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (0, 1), (1, 1)]

SETTINGS_FILE = "Brelvox.ini"
SCORES_FILE = "Brelvox.hi"
SETTINGS_HEADER = b"Brelvox startup display sizes:"
SETTINGS_FOOTER = b"Delete this file to return to factory settings."
DEFAULT_NAME = b"Nobody"
DEFAULT_TIME = 5999
TOO_MANY_HINTS = (b"Too many unjustified hints!\\rYou can go on playing, "
                  b"but you will not appear in the highscore.")
CANT_WRITE = b"Can't write to file Brelvox.hi!"

CURSOR_KEYS = ("left", "right", "up", "down", "home", "end", "pageup", "pagedown")
MOVE_KEYS = ("uncover", "mark", "chord")

DUMP_CHARS = {COVERED: ".", MARKED: "F", MINE: "*", WRONG_MARK: "X"}

MAX_LINE = 65536  # bytes; a longer line is an error unless it is a comment


class CommandError(Exception):
    pass


# ---------------------------------------------------------------- text helpers

def split_text_lines(data):
    """Lines of a text file: a line ends at CR, LF or CR LF; a break at the very
    end does not start another line."""
    lines = []
    start = 0
    i = 0
    n = len(data)
    while i < n:
        b = data[i]
        if b == 13 or b == 10:
            lines.append(data[start:i])
            if b == 13 and i + 1 < n and data[i + 1] == 10:
                i += 1
            start = i + 1
        i += 1
    if start < n:
        lines.append(data[start:])
    return lines


# A line read from either file keeps at most this many bytes.
MAX_LINE = 64 * 1024


def read_leading_lines(path, max_lines, stop_at_nul):
    """The first max_lines lines of a file, read no further than such lines
    can reach (MAX_LINE bytes and a CR LF each), and whether the last line
    kept was cut short there."""
    budget = max_lines * (MAX_LINE + 2)
    with open(path, "rb") as f:
        data = f.read(budget + 1)
    beyond = len(data) > budget
    data = data[:budget]
    if stop_at_nul and b"\0" in data:
        data, beyond = data[:data.find(b"\0")], False
    lines = split_text_lines(data)
    cut_last = (beyond and data[-1:] not in (b"\r", b"\n") and len(lines) <= max_lines)
    return lines[:max_lines], cut_last


def too_long(lines, first, step=1):
    """Whether any of lines[first], lines[first + step], ... was cut."""
    return any(len(line) > MAX_LINE for line in lines[first::step])


HEX = b"0123456789abcdefABCDEF"
DEC = b"0123456789"


def text_to_int(text):
    """Leading spaces, an optional sign, then decimal digits or "$" and hex
    digits; the value must fit a signed 32-bit integer.  None when rejected."""
    i = 0
    while i < len(text) and text[i:i + 1] == b" ":
        i += 1
    sign = 1
    if text[i:i + 1] in (b"+", b"-"):
        if text[i:i + 1] == b"-":
            sign = -1
        i += 1
    rest = text[i:]
    if rest[:1] == b"$":
        digits = rest[1:]
        if not digits or any(c not in HEX for c in digits):
            return None
        digits = digits.lstrip(b"0") or b"0"
        if len(digits) > 9:
            return None
        value = int(digits, 16)
    else:
        if not rest or any(c not in DEC for c in rest):
            return None
        digits = rest.lstrip(b"0") or b"0"
        if len(digits) > 11:
            return None
        value = int(digits, 10)
    value *= sign
    if value < -2 ** 31 or value > 2 ** 31 - 1:
        return None
    return value


def clean_name(text):
    """A prompt answer loses its CR, LF and NUL characters and is cut to 255
    characters; bytes that are not UTF-8 count one character each."""
    text = text.replace(b"\r", b"").replace(b"\n", b"").replace(b"\0", b"")
    chars = text.decode("utf-8", "surrogateescape")
    return chars[:255].encode("utf-8", "surrogateescape")


def is_read_only(st):
    return not (st.st_mode & stat.S_IWUSR)


def replace_file(path, data):
    """Writes data as the new content of path through a temporary file that is
    renamed over it.  A read-only file or a directory is left alone.  Returns
    True on success."""
    try:
        st = os.stat(path)
    except FileNotFoundError:
        st = None
    except OSError:
        return False
    if st is not None:
        if not stat.S_ISREG(st.st_mode) or is_read_only(st):
            return False
    tmp = path + ".model-tmp"
    try:
        with open(tmp, "wb") as f:
            f.write(data)
        os.replace(tmp, path)
    except OSError:
        try:
            os.unlink(tmp)
        except OSError:
            pass
        return False
    return True


# ---------------------------------------------------------------- the model

class Model:
    def __init__(self, directory=".", emit=None, clock_seed=None):
        self.dir = directory
        self._emit = emit if emit is not None else (lambda line: None)
        self.screen_w, self.screen_h = 1920, 1080
        self.prompt_answer = None          # None: prompts are cancelled

        # controls, at their design state
        self.enabled = {"PauseButton": 1, "HintButton": 1, "TimeTimer": 1}
        self.interval = 1000
        self.visible = {"DigS": 1, "DigM": 1, "DigH": 1}
        self.caption = {"PauseButton": "Pause", "SoundButton": "Silent"}
        self.width, self.height = 609, 73
        self.values = {"DigHint": 0, "DigS": 0, "DigM": 0, "DigH": 0}

        # game state
        self.content = [0] * LAYER_CELLS
        self.shown = [0] * LAYER_CELLS
        self.probe = [0] * LAYER_CELLS
        self.level = 0
        self.game_over = 0
        self.cols = self.rows = self.mine_count = 0
        self.hints_left = 0
        self.cell_size = 0
        self.cell_sizes = list(DEFAULT_CELL_SIZES)
        self.elapsed = 0.0
        self.paused = 0
        self.sound_on = 0
        self.blink = 0
        self.anim_steps = self.anim_col = self.anim_row = 0
        self.random_state = 0

        # the board cursor, and the frame the window shows for it
        self.cursor_shown = False
        self.cursor_placed = False
        self.cursor_col = self.cursor_row = 0
        self.frame = None                  # (col, row) while the frame shows

        self.score_names = [[DEFAULT_NAME] * 5 for _ in range(4)]
        self.score_times = [[DEFAULT_TIME] * 5 for _ in range(4)]
        self.scores_unreadable = False  # such a file is never replaced

        self.main_form_create(clock_seed)
        self.highscore_form_create()

    # ------------------------------------------------------------ output

    def emit(self, text):
        if isinstance(text, str):
            text = text.encode("utf-8")
        self._emit(text)

    def set_enabled(self, control, on):
        if self.enabled[control] != on:
            self.enabled[control] = on
            self.emit("enabled %s %d" % (control, on))

    def set_interval(self, ms):
        if self.interval != ms:
            self.interval = ms
            self.emit("interval %d" % ms)

    def set_visible(self, control, on):
        if self.visible[control] != on:
            self.visible[control] = on
            self.emit("visible %s %d" % (control, on))

    def set_caption(self, control, text):
        if self.caption[control] != text:
            self.caption[control] = text
            self.emit("caption %s %s" % (control, text))

    def set_width(self, w):
        if self.width != w:
            self.width = w
            self.emit("width %d" % w)

    def set_height(self, h):
        if self.height != h:
            self.height = h
            self.emit("height %d" % h)

    def set_value(self, control, v):
        if self.values[control] != v:
            self.values[control] = v
            self.emit("value %s %d" % (control, v))

    def draw_cell(self, code, col, row):
        self.emit("draw %d %d %d" % (code, col, row))

    def show_frame(self):
        """The frame shows at the cursor while the board does, not in pause."""
        frame = (self.cursor_col, self.cursor_row) \
            if self.cursor_shown and not self.paused else None
        if frame != self.frame:
            self.frame = frame
            self.emit("cursor hidden" if frame is None else "cursor %d %d" % frame)

    def path(self, name):
        return os.path.join(self.dir, name)

    def play_cue(self, name):
        if not self.sound_on:
            return
        if not self.wave_exists(name):
            return
        self.emit("cue " + name)

    def wave_exists(self, name):
        if os.path.isfile(self.path(name)):
            return True
        try:
            entries = os.listdir(self.dir)
        except OSError:
            return False
        lowered = name.lower()
        for entry in entries:
            if entry.lower() == lowered and os.path.isfile(self.path(entry)):
                return True
        return False

    # ------------------------------------------------------------ start-up

    def main_form_create(self, clock_seed):
        self.read_display_sizes()
        self.anim_steps = self.anim_col = self.anim_row = 0
        self.elapsed = 0.0
        self.sound_on, self.paused, self.blink = 1, 0, 1
        self.cell_size = self.cell_sizes[0] & 0xFFFF
        self.level = 0
        self.set_enabled("PauseButton", 0)
        self.set_enabled("HintButton", 0)
        self.set_enabled("TimeTimer", 0)
        self.game_over = 1
        if clock_seed is None:
            t = time.time()
            g = time.gmtime(t)
            ms = int((t - int(t)) * 1000)
            clock_seed = ((g.tm_hour * 60 + g.tm_min) * 60 + g.tm_sec) * 1000 + ms
        self.random_state = clock_seed & 0xFFFFFFFF

    def read_display_sizes(self):
        sizes = None
        try:
            lines, cut_last = read_leading_lines(self.path(SETTINGS_FILE), 5, False)
            if len(lines) >= 5 and not cut_last and not too_long(lines, 1):
                values = [text_to_int(lines[i]) for i in range(1, 5)]
                if all(v is not None for v in values):
                    sizes = [min(max(v, MIN_CELL_SIZE), MAX_CELL_SIZE) for v in values]
        except OSError:
            sizes = None
        self.cell_sizes = sizes if sizes is not None else list(DEFAULT_CELL_SIZES)

    def write_display_sizes(self):
        lines = [SETTINGS_HEADER] + [str(v).encode() for v in self.cell_sizes] + [SETTINGS_FOOTER]
        replace_file(self.path(SETTINGS_FILE), b"".join(l + b"\r\n" for l in lines))

    def highscore_form_create(self):
        names = [[DEFAULT_NAME] * 5 for _ in range(4)]
        times = [[DEFAULT_TIME] * 5 for _ in range(4)]
        ok = False
        try:
            lines, cut_last = read_leading_lines(self.path(SCORES_FILE), 40, True)
            if too_long(lines, 1, 2) or (cut_last and len(lines) % 2 == 0):
                # A time line too long to hold: the file is kept as it is.
                self.scores_unreadable = True
            elif len(lines) >= 40:
                ok = True
                for level in range(4):
                    for rank in range(5):
                        at = 10 * level + 2 * rank
                        value = text_to_int(lines[at + 1])
                        if value is None:
                            ok = False
                            break
                        names[level][rank] = lines[at][:MAX_LINE]
                        times[level][rank] = value & 0xFFFF
                    if not ok:
                        break
        except OSError:
            ok = False
        if ok:
            self.score_names, self.score_times = names, times

    # ------------------------------------------------------------ board

    def place_mines(self):
        for x in range(self.cols):
            for y in range(self.rows):
                self.content[x + y * STRIDE] = 0
                self.shown[x + y * STRIDE] = COVERED
        placed = 0
        while True:
            x = self.random_below(self.cols)
            y = self.random_below(self.rows)
            if self.content[x + y * STRIDE] == MINE:
                continue
            self.content[x + y * STRIDE] = MINE
            for ny in range(y - 1, y + 2):
                for nx in range(x - 1, x + 2):
                    if 0 <= ny < self.rows and 0 <= nx < self.cols:
                        if self.content[nx + ny * STRIDE] < 8:
                            self.content[nx + ny * STRIDE] += 1
            placed += 1
            if placed == self.mine_count:
                break

    def random_below(self, n):
        self.random_state = (self.random_state * 134775813 + 1) & 0xFFFFFFFF
        return (self.random_state * n) >> 32

    def in_area(self, col, row):
        return 0 <= col < self.cols and 0 <= row < self.rows

    def reveal_cell(self, col, row, uncover, layer, changed=None):
        """Uncovers (with flood fill) or toggles the mark of one cell of a layer.
        Cells uncovered on the probe layer are collected in changed."""
        if not self.in_area(col, row):
            return
        cells = (self.content, self.shown, self.probe)[layer]
        k = self.content
        i = col + row * STRIDE
        if uncover:
            if cells[i] == MARKED:
                return
            if cells[i] == k[i]:
                return
            cells[i] = k[i]
            if layer == 1:
                self.draw_cell(cells[i], col, row)
            if changed is not None:
                changed.append(i)
            if k[i] == MINE:
                self.game_over = 1
                return
            if k[i] != 0:
                return
            for dc, dr in NEIGHBOURS:
                self.reveal_cell(col + dc, row + dr, True, layer, changed)
        else:
            if cells[i] == COVERED:
                cells[i] = MARKED
            elif cells[i] == MARKED:
                cells[i] = COVERED
            self.draw_cell(cells[i], col, row)

    def evaluate_end(self):
        cols, rows = self.cols, self.rows
        content, shown = self.content, self.shown
        if self.game_over:
            self.play_cue("bang.wav")
            self.disable_play_controls()
            for row in range(rows):
                for col in range(cols):
                    i = col + row * STRIDE
                    if shown[i] == MARKED and content[i] != MINE:
                        content[i] = WRONG_MARK
                    if shown[i] == MARKED and content[i] == MINE:
                        content[i] = MARKED
                    if content[i] < 9 and shown[i] == COVERED:
                        content[i] = COVERED
                    if content[i] != shown[i]:
                        self.draw_cell(content[i], col, row)
            self.stop_animation()
            return
        won = 1
        for row in range(rows):
            for col in range(cols):
                i = col + row * STRIDE
                c, s = content[i], shown[i]
                if c == MINE and s != MARKED:
                    won = 0
                elif c != MINE and s == MARKED:
                    won = 0
                elif c != MINE and s == COVERED:
                    won = 0
        if not won:
            return
        self.game_over = 1
        self.disable_play_controls()
        for row in range(rows):
            for col in range(cols):
                if content[col + row * STRIDE] == MINE:
                    content[col + row * STRIDE] = MARKED
        self.stop_animation()
        self.play_cue("Win.wav")
        if self.hints_left < 0:
            return
        self.submit_score(self.level, self.whole_seconds())

    def stop_animation(self):
        # a hint animation still running when the game ends stops here, its
        # cell painted from the final picture
        if self.anim_steps > 0:
            self.anim_steps = 0
            i = self.anim_col + self.anim_row * STRIDE
            self.draw_cell(self.content[i], self.anim_col, self.anim_row)

    def disable_play_controls(self):
        self.set_enabled("PauseButton", 0)
        self.set_enabled("HintButton", 0)
        self.set_enabled("TimeTimer", 0)

    def whole_seconds(self):
        return int(round(self.elapsed * 86400.0))

    # ------------------------------------------------------------ solver

    def cell_yield(self, layer, col, row):
        """What one number cell of a layer says: a list of (result, col, row) in
        walk order, empty when it says nothing."""
        cells = (self.content, self.shown, self.probe)[layer]
        k = self.content
        v = cells[col + row * STRIDE]
        if v > 8:
            return []
        missing, resolved = v, 0
        for nc in range(col - 1, col + 2):
            for nr in range(row - 1, row + 2):
                if nc == col and nr == row:
                    continue
                if not self.in_area(nc, nr):
                    resolved += 1
                    continue
                j = nc + nr * STRIDE
                if k[j] == MINE and cells[j] == MARKED:
                    resolved += 1
                    missing -= 1
                elif cells[j] <= 8:
                    resolved += 1
        found = []
        if missing == 0:
            for nc in range(col - 1, col + 2):
                for nr in range(row - 1, row + 2):
                    if (nc, nr) != (col, row) and self.in_area(nc, nr):
                        j = nc + nr * STRIDE
                        if k[j] != MINE and cells[j] > 8:
                            found.append((MOVE_SAFE, nc, nr))
        elif 8 - resolved == missing:
            for nc in range(col - 1, col + 2):
                for nr in range(row - 1, row + 2):
                    if (nc, nr) != (col, row) and self.in_area(nc, nr):
                        j = nc + nr * STRIDE
                        if k[j] == MINE and cells[j] == COVERED:
                            found.append((MOVE_MINE, nc, nr))
        return found

    def find_safe_move(self, layer):
        """The solver's answer on a layer: the last qualifying neighbour in
        column-major order wins."""
        result = (MOVE_NONE, None, None)
        for col in range(self.cols):
            for row in range(self.rows):
                found = self.cell_yield(layer, col, row)
                if found:
                    result = found[-1]
        return result

    def yields_map(self, layer):
        return {(c + r * STRIDE) for c in range(self.cols) for r in range(self.rows)
                if self.cell_yield(layer, c, r)}

    def probe_finds(self, shown_yields, changed):
        """Whether the solver finds anything on the probe, given which cells of
        the shown layer yield something and which cells the probe uncovered.
        Only cells next to an uncovered one can answer differently."""
        if not changed:
            return bool(shown_yields)
        affected = set()
        for i in changed:
            c, r = i % STRIDE, i // STRIDE
            for dc in (-1, 0, 1):
                for dr in (-1, 0, 1):
                    if self.in_area(c + dc, r + dr):
                        affected.add(c + dc + (r + dr) * STRIDE)
        if shown_yields - affected:
            return True
        for i in affected:
            if self.cell_yield(2, i % STRIDE, i // STRIDE):
                return True
        return False

    # ------------------------------------------------------------ hints

    def give_hint(self):
        result, col, row = self.find_safe_move(1)
        if result != MOVE_NONE:
            i = col + row * STRIDE
            if self.shown[i] == MARKED:
                self.shown[i] = COVERED
            self.play_cue("Hint.wav")
            self.anim_col, self.anim_row, self.anim_steps = col, row, 10
            self.hints_left -= 1
            if self.hints_left >= 0:
                self.set_value("DigHint", self.hints_left)
            if self.hints_left == -1:
                self.emit(b"message " + TOO_MANY_HINTS)
            return
        self.play_cue("HintOK.wav")
        n_cells = self.cols * self.rows
        candidates = []
        for n in range(n_cells):
            i = (n % self.cols) + (n // self.cols) * STRIDE
            if self.content[i] <= 8 and self.shown[i] == COVERED:
                candidates.append(n)
        for n in range(n_cells):
            i = (n % self.cols) + (n // self.cols) * STRIDE
            if self.content[i] == 0 and self.shown[i] == COVERED:
                candidates.append(n)
        m = len(candidates)
        if m == 0:
            return
        k = 0
        check = os.environ.get("BRELVOX_MODEL_CHECK") == "1"
        while True:
            shown_yields = self.yields_map(1)
            found = False
            j = 0
            for j in range(m - k):
                n = candidates[j]
                self.probe[:] = self.shown
                changed = []
                self.reveal_cell(n % self.cols, n // self.cols, True, 2, changed)
                found = self.probe_finds(shown_yields, changed)
                if check:
                    assert found == (self.find_safe_move(2)[0] != MOVE_NONE)
                if found:
                    break
            n = candidates[j]
            self.reveal_cell(n % self.cols, n // self.cols, True, 1)
            k += 1
            if found or k == m:
                break

    def hint_button_click(self):
        self.give_hint()
        self.evaluate_end()

    def animator_timer(self):
        if self.anim_steps <= 0:
            return
        i = self.anim_col + self.anim_row * STRIDE
        code = self.content[i] if self.anim_steps % 2 == 0 else self.shown[i]
        self.draw_cell(code, self.anim_col, self.anim_row)
        self.anim_steps -= 1
        if self.anim_steps == 0:
            if self.content[i] == MINE:
                self.reveal_cell(self.anim_col, self.anim_row, False, 1)
            else:
                self.reveal_cell(self.anim_col, self.anim_row, True, 1)
            self.evaluate_end()

    # ------------------------------------------------------------ window

    def new_game(self, level):
        self.set_enabled("PauseButton", 1)
        self.set_enabled("HintButton", 1)
        self.set_enabled("TimeTimer", 1)
        self.cols, self.rows, self.mine_count, self.hints_left = LEVELS[level]
        self.game_over = 0
        self.level = level
        self.anim_steps = 0
        self.cell_size = self.cell_sizes[level] & 0xFFFF
        # A new game never opens larger than the screen; cell_sizes keeps its value.
        while self.cell_size > MIN_CELL_SIZE and not (
                self.screen_w > self.cols * self.cell_size + 9
                and self.screen_h > self.rows * self.cell_size + 76):
            self.cell_size -= 1
        self.set_width(max(self.cols * self.cell_size + 9, MIN_WIDTH))
        self.set_height(self.rows * self.cell_size + 76)
        self.set_value("DigHint", self.hints_left)
        self.set_value("DigS", 0)
        self.set_value("DigM", 0)
        self.set_value("DigH", 0)
        self.place_mines()
        self.cursor_shown = self.cursor_placed = False
        self.show_frame()
        self.emit("covered %d %d" % (self.cols * self.cell_size, self.rows * self.cell_size))

    def new_button_click(self, chosen):
        if not self.paused:
            self.pause_button_click()
        self.emit("chooser")
        if chosen > -1:
            self.elapsed = 0.0
            self.new_game(chosen)
            self.hint_button_click()
        self.pause_button_click()

    def pause_button_click(self):
        self.paused = 0 if self.paused else 1
        if self.paused:
            self.set_interval(300)
            self.set_caption("PauseButton", "Play")
            self.set_enabled("HintButton", 0)
            self.set_height(PAUSED_HEIGHT)
        else:
            self.set_interval(1000)
            self.set_visible("DigS", 1)
            self.set_visible("DigM", 1)
            self.set_visible("DigH", 1)
            self.set_caption("PauseButton", "Pause")
            if not self.game_over:
                self.set_enabled("HintButton", 1)
            self.set_height(PAUSED_HEIGHT if self.rows == 0
                            else self.rows * self.cell_size + 76)
        self.show_frame()

    def info_button_click(self):
        if not self.paused:
            self.pause_button_click()
        self.emit("info")
        self.pause_button_click()

    def time_timer(self):
        if self.paused:
            self.blink = 0 if self.blink else 1
            self.set_visible("DigS", self.blink)
            self.set_visible("DigM", self.blink)
            self.set_visible("DigH", self.blink)
            return
        self.elapsed += ONE_SECOND
        t = self.whole_seconds()
        self.set_value("DigS", t % 60)
        self.set_value("DigM", (t // 60) % 60)
        self.set_value("DigH", (t // 3600) % 99)

    def sound_button_click(self):
        self.sound_on = 1 - self.sound_on
        self.set_caption("SoundButton", "Silent" if self.sound_on else "Sound")

    def up_button_click(self):
        if self.rows <= 0 or self.cell_size >= MAX_CELL_SIZE:
            return
        if not self.screen_w > self.cols * (self.cell_size + 1) + 9:
            return
        if not self.screen_h > self.rows * (self.cell_size + 1) + 76:
            return
        self.cell_size += 1
        self.cell_sizes[self.level] = self.cell_size
        self.relayout()

    def down_button_click(self):
        if self.rows > 0 and self.cell_size > MIN_CELL_SIZE:
            self.cell_size -= 1
            self.cell_sizes[self.level] = self.cell_size
            self.relayout()

    def relayout(self):
        self.set_width(max(self.cols * self.cell_size + 9, MIN_WIDTH))
        if not self.paused:
            self.set_height(self.rows * self.cell_size + 76)
        self.emit("bitmap %d %d" % (self.cols * self.cell_size, self.rows * self.cell_size))
        layer = self.content if self.game_over else self.shown
        for col in range(self.cols):
            for row in range(self.rows):
                self.draw_cell(layer[col + row * STRIDE], col, row)

    def form_mouse_down(self, button, held, x, y):
        if y >= TOOLBAR_HEIGHT:
            self.cursor_shown = False
            self.show_frame()
        self.board_press(button, held, x, y)

    def board_press(self, button, held, x, y):
        if y < TOOLBAR_HEIGHT:
            return
        if self.game_over or self.paused:
            return
        y -= TOOLBAR_HEIGHT
        col, row = x // self.cell_size, y // self.cell_size
        if "l" in held and "r" in held:
            for dc, dr in NEIGHBOURS:
                self.reveal_cell(col + dc, row + dr, True, 1)
        else:
            if not self.in_area(col, row):
                return
            if self.shown[col + row * STRIDE] not in (COVERED, MARKED):
                return
            self.reveal_cell(col, row, button == "left", 1)
        self.evaluate_end()
        if not self.game_over:
            self.play_cue("click.wav" if "l" in held else "mark.wav")

    # ------------------------------------------------------------ keyboard

    def keys_act(self):
        return self.rows > 0 and not self.game_over and not self.paused

    def show_cursor(self):
        if not self.cursor_placed:
            self.cursor_col, self.cursor_row = self.cols // 2, self.rows // 2
            self.cursor_placed = True
        self.cursor_shown = True
        self.show_frame()

    def cursor_key(self, key):
        if not self.keys_act():
            return
        if not self.cursor_shown:
            self.show_cursor()
            return
        col, row = self.cursor_col, self.cursor_row
        col, row = {
            "left": (col - 1, row), "right": (col + 1, row), "up": (col, row - 1),
            "down": (col, row + 1), "home": (0, row), "end": (self.cols - 1, row),
            "pageup": (col, 0), "pagedown": (col, self.rows - 1)}[key]
        self.cursor_col = min(max(col, 0), self.cols - 1)
        self.cursor_row = min(max(row, 0), self.rows - 1)
        self.show_frame()

    def move_key(self, move):
        if not self.keys_act():
            return
        if not self.cursor_shown:
            self.show_cursor()      # a move on a hidden cursor only shows it
            return
        cs = self.cell_size
        x = self.cursor_col * cs + cs // 2
        y = TOOLBAR_HEIGHT + self.cursor_row * cs + cs // 2
        if move == "uncover":
            self.board_press("left", "l", x, y)
        elif move == "mark":
            self.board_press("right", "r", x, y)
        else:
            self.board_press("right", "lr", x, y)

    # ------------------------------------------------------------ scores

    def submit_score(self, level, seconds):
        times, names = self.score_times[level], self.score_names[level]
        if seconds < times[4]:
            self.emit("prompt")
            name = clean_name(self.prompt_answer) if self.prompt_answer is not None else b""
            rank = 5
            for i in range(4, 0, -1):
                if times[i - 1] > seconds:
                    rank = i
            for i in range(5, rank, -1):
                times[i - 1], names[i - 1] = times[i - 2], names[i - 2]
            names[rank - 1], times[rank - 1] = name, seconds
            if not self.save_scores():
                self.emit(b"message " + CANT_WRITE)
        self.emit("highscore")

    def save_scores(self):
        if self.scores_unreadable:
            return False
        out = []
        for level in range(4):
            for rank in range(5):
                out.append(self.score_names[level][rank] + b"\r\n")
                out.append(str(self.score_times[level][rank]).encode() + b"\r\n")
        return replace_file(self.path(SCORES_FILE), b"".join(out))

    # ------------------------------------------------------------ dump

    def dump(self):
        self.emit("state Level=%d GameOver=%d Paused=%d Cols=%d Rows=%d Mines=%d HintsLeft=%d "
                  "CellSize=%d CellSizes=%s Seconds=%d SoundOn=%d BlinkPhase=%d AnimSteps=%d "
                  "AnimCol=%d AnimRow=%d" % (
                      self.level, self.game_over, self.paused, self.cols, self.rows,
                      self.mine_count, self.hints_left, self.cell_size,
                      ",".join(str(v) for v in self.cell_sizes), self.whole_seconds(),
                      self.sound_on, self.blink, self.anim_steps, self.anim_col, self.anim_row))
        e, v, vis = self.enabled, self.values, self.visible
        self.emit("controls PauseButton=%d HintButton=%d TimeTimer=%d Interval=%d Width=%d "
                  "Height=%d DigHint=%d DigS=%d DigM=%d DigH=%d DigSVisible=%d DigMVisible=%d "
                  "DigHVisible=%d PauseCaption=%s SoundCaption=%s" % (
                      e["PauseButton"], e["HintButton"], e["TimeTimer"], self.interval,
                      self.width, self.height, v["DigHint"], v["DigS"], v["DigM"], v["DigH"],
                      vis["DigS"], vis["DigM"], vis["DigH"], self.caption["PauseButton"],
                      self.caption["SoundButton"]))
        for name, layer in (("content", self.content), ("shown", self.shown)):
            for row in range(self.rows):
                cells = "".join(DUMP_CHARS.get(layer[c + row * STRIDE], str(layer[c + row * STRIDE]))
                                for c in range(self.cols))
                self.emit("%s %d %s" % (name, row, cells))
        for level in range(4):
            for rank in range(5):
                self.emit(b"score %d %d %d " % (level, rank + 1, self.score_times[level][rank])
                          + self.score_names[level][rank])

    # ------------------------------------------------------------ commands

    def close(self):
        self.write_display_sizes()

    def command(self, line):
        """Runs one input line (bytes, without its LF).  Returns "quit" for
        quit, "error" for a malformed line, None otherwise."""
        if line.startswith(b"#"):
            return None
        if len(line) > MAX_LINE:
            self.emit("error line longer than %d bytes" % MAX_LINE)
            return "error"
        if line.strip(b" ") == b"":
            return None
        rest = line.lstrip(b" ")
        if rest == b"name":
            self.prompt_answer = None
            return None
        if rest.startswith(b"name "):
            self.prompt_answer = rest[5:]
            return None
        words = [w for w in line.split(b" ") if w]
        try:
            return self.run_words(words)
        except CommandError as err:
            self.emit("error " + str(err))
            return "error"

    def run_words(self, words):
        cmd, args = words[0], words[1:]

        def need(n):
            if len(args) != n:
                raise CommandError("%s needs %d argument(s)" % (cmd.decode("latin-1"), n))

        def number(text, high):
            if not text or any(c not in DEC for c in text):
                raise CommandError("bad number")
            digits = text.lstrip(b"0") or b"0"
            if len(digits) > 12:
                raise CommandError("number out of range")
            value = int(digits)
            if value > high:
                raise CommandError("number out of range")
            return value

        if cmd == b"seed":
            need(1)
            self.random_state = number(args[0], 4294967295)
        elif cmd == b"screen":
            need(2)
            w = number(args[0], 2147483647)
            h = number(args[1], 2147483647)
            self.screen_w, self.screen_h = w, h
        elif cmd == b"new":
            need(1)
            text = args[0]
            negative = text.startswith(b"-")
            value = number(text[1:] if negative else text, 10 ** 30)
            if negative:
                value = -value
            if value < -1 or value > 3:
                raise CommandError("bad level")
            self.new_button_click(value)
        elif cmd == b"press":
            need(4)
            buttons = {b"left": "l", b"right": "r", b"middle": "m"}
            if args[0] not in buttons:
                raise CommandError("bad button")
            held = args[1].decode("latin-1")
            if (not held or any(c not in "lrm" for c in held) or len(set(held)) != len(held)
                    or buttons[args[0]] not in held):
                raise CommandError("bad held buttons")
            x = number(args[2], 2147483647)
            y = number(args[3], 2147483647)
            self.form_mouse_down(args[0].decode(), held, x, y)
        elif cmd == b"key":
            need(1)
            key = args[0].decode("latin-1")
            if key in CURSOR_KEYS:
                self.cursor_key(key)
            elif key in MOVE_KEYS:
                self.move_key(key)
            else:
                raise CommandError("bad key")
        elif cmd in (b"hint", b"pause", b"sound", b"info", b"bigger", b"smaller",
                     b"second", b"tick", b"dump", b"quit"):
            need(0)
            if cmd == b"hint":
                if self.enabled["HintButton"]:
                    self.hint_button_click()
            elif cmd == b"pause":
                if self.enabled["PauseButton"]:
                    self.pause_button_click()
            elif cmd == b"sound":
                self.sound_button_click()
            elif cmd == b"info":
                self.info_button_click()
            elif cmd == b"bigger":
                self.up_button_click()
            elif cmd == b"smaller":
                self.down_button_click()
            elif cmd == b"second":
                if self.enabled["TimeTimer"]:
                    self.time_timer()
            elif cmd == b"tick":
                self.animator_timer()
            elif cmd == b"dump":
                self.dump()
            elif cmd == b"quit":
                return "quit"
        else:
            raise CommandError("unknown command")
        return None


def input_lines(data):
    """Lines end at LF; one CR right before the LF is dropped."""
    lines = data.split(b"\n")
    last = lines.pop()
    lines = [l[:-1] if l.endswith(b"\r") else l for l in lines]
    if last:
        lines.append(last)
    return lines


def main():
    out = sys.stdout.buffer
    model = Model(".", emit=lambda line: out.write(line + b"\n"))
    errors = False
    for line in input_lines(sys.stdin.buffer.read()):
        status = model.command(line)
        if status == "error":
            errors = True
        elif status == "quit":
            break
    model.close()
    out.flush()
    return 2 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
