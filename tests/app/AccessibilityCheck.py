#!/usr/bin/python3
# Drives the pixmaro program from outside through the accessibility interface (AT-SPI), as a
# screen reader or a test robot would: selects files, walks the wizard to "GO" and "OK!", answers
# the same-folder question, reads the named controls, and ends the program with SIGTERM.
# Runs inside Xvfb and a D-Bus session (see AccessibilityCheck.sh); everything it writes is in a
# temporary folder. Usage: AccessibilityCheck.py PATH/TO/pixmaro
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

import pyatspi

CAPTION = "Pixmaro - Batch Thumbnails, Renaming and Galleries"
NAMED = ["Input Folder", "Input Files", "Output Folder", "Output Files", "Selected Files",
         "Helpful Hints", "Width", "Height", "Progress", "Reset Settings to Defaults",
         "Refresh Directory & File lists", "Launch Explorer", "About Pixmaro", "Pixmaro Help"]
# Controls named by the caption of their label.
LABELLED = [("Output File Qualifier", "text"), ("Seq #", "text"), ("Jpeg Compression", "slider")]
# Combo boxes are named by the item they show; their label is related to them instead.
COMBO_LABELS = ["File Types", "Convert Files to Type", "Output File Naming Option"]
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def write_bmp(path, width, height):
    """A 24-bit BMP of one colour."""
    row = (b"\x30\x80\xc0" * width).ljust((width * 3 + 3) // 4 * 4, b"\0")
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node):
    yield node
    if node.getRoleName() in ("tree", "table"):  # their cells are many and not needed here
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, name, role=None, must_show=True):
    for node in walk(root):
        if node.name == name and (role is None or node.getRoleName() == role) \
                and (not must_show or showing(node)):
            return node
    return None


def wait_for(what, timeout=30):
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = what()
        if found:
            return found
        time.sleep(0.2)
    return None


def press(root, name):
    button = wait_for(lambda: find(root, name, "push button"))
    check(button is not None, f'button "{name}" is showing')
    if button is not None:
        button.queryAction().doAction(0)


def labels(root):
    return [n.name for n in walk(root) if n.getRoleName() == "label" and showing(n)]


def main():
    program = sys.argv[1]
    tmp = tempfile.mkdtemp(prefix="pixmaro-atspi-")
    try:
        return run(program, tmp)
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


def run(program, tmp):
    # The program keeps its settings beside itself: a copy in the temporary folder keeps them there.
    bin_dir, pictures = os.path.join(tmp, "bin"), os.path.join(tmp, "pictures")
    os.makedirs(bin_dir)
    os.makedirs(pictures)
    shutil.copy(program, bin_dir)
    for name in ("a.bmp", "b.bmp", "c.bmp"):
        write_bmp(os.path.join(pictures, name), 48, 36)
    settings = os.path.join(bin_dir, "Pixmaro.ini")
    with open(settings, "w") as f:
        f.write(f"[Directories]\nInput={pictures}\n[Thumbnails]\nThumb Width=32\nKeep=me\n")

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([os.path.join(bin_dir, "pixmaro")], env=env)
    try:
        frame = wait_for(lambda: next((w for a in pyatspi.Registry.getDesktop(0)
                                       if a is not None and a.name == "Pixmaro"
                                       for w in a if w is not None and w.name == CAPTION), None))
        check(frame is not None, "the main window is found by its caption")
        if frame is None:
            return 1
        for name in NAMED:
            check(find(frame, name, must_show=False) is not None, f'a control is named "{name}"')
        for name, role in LABELLED:
            check(find(frame, name, role, must_show=False) is not None,
                  f'the {role} "{name}" is found by its caption')
        combo_labels = set()
        for node in walk(frame):
            if node.getRoleName() == "combo box":
                for relation in node.getRelationSet():
                    if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                        combo_labels.update(relation.getTarget(i).name
                                            for i in range(relation.getNTargets()))
        for name in COMBO_LABELS:
            check(name in combo_labels, f'a combo box is labelled by "{name}"')

        # "About Pixmaro" opens the about box; its "OK" closes it.
        press(frame, "About Pixmaro")
        about = wait_for(lambda: next((w for a in pyatspi.Registry.getDesktop(0)
                                       if a is not None and a.name == "Pixmaro"
                                       for w in a if w is not None and w.name == "About Pixmaro"
                                       and showing(w)), None))
        check(about is not None, "the about box is shown")
        if about is not None:
            press(about, "OK")
            check(wait_for(lambda: not showing(about)) is not None, "its OK closes it")

        files = wait_for(lambda: find(frame, "Input Files", "list"))
        check(files is not None and files.childCount == 3, "the input list shows the 3 pictures")
        # The list is a one-column table to AT-SPI: each row is selected as a table row.
        table = files.queryTable()
        for row in range(table.nRows):
            table.addRowSelection(row)
        check(table.nSelectedRows == 3, "the 3 pictures are selected")

        press(frame, "Next =>")
        check(wait_for(lambda: find(frame, "Output Folder")) is not None, "page 2 is shown")
        check(find(frame, "Source Files: 3", "label") is not None, '"Source Files: 3" is read')
        # The output folder starts as the input folder: the same-folder question is answered Yes.
        press(frame, "Next =>")
        question = wait_for(lambda: next((w for a in pyatspi.Registry.getDesktop(0)
                                          if a is not None and a.name == "Pixmaro"
                                          for w in a if w is not None and w.name != CAPTION
                                          and find(w, "Yes", "push button")), None))
        check(question is not None, "the same-folder question is shown")
        if question is not None:
            text = " ".join(labels(question))
            check("Input and Output Directories are the same." in text, "its text is read")
            press(question, "Yes")
        check(wait_for(lambda: find(frame, "Width", "text")) is not None, "page 3 is shown")
        press(frame, "Next =>")
        check(wait_for(lambda: find(frame, "GO", "push button")) is not None, "page 4 is shown")
        summary = labels(frame)
        check(pictures in summary, "the summary names the input folder")
        check("...Will start with Thumb001 and be numbered sequentially" in summary,
              "the summary describes the names")
        press(frame, "GO")
        check(wait_for(lambda: find(frame, "OK!", "push button")) is not None, '"OK!" is shown')
        check("Operation complete. 3 files processed." in labels(frame), "the outcome is read")
        press(frame, "OK!")
        check(wait_for(lambda: find(frame, "Source Files: 0", "label")) is not None,
              "OK! starts over")
        made = sorted(f for f in os.listdir(pictures) if f.startswith("Thumb"))
        check(made == ["Thumb001.jpg", "Thumb002.jpg", "Thumb003.jpg"], f"thumbnails written: {made}")
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            code = process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            process.kill()
            code = None
    check(code == 0, f"SIGTERM ends the program normally (exit {code})")
    with open(settings) as f:
        text = f.read()
    check("Thumb Width=32" in text and "Keep=me" in text and "htmlName=MyWeb.htm" in text,
          "the settings file is written at exit, other lines kept")
    print(f"{len(failures)} failed" if failures else "all passed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
