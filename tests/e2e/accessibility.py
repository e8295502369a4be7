#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a screen reader reads of the program with process id PID, taken from the accessibility bus.
rows PID LIST: the entries of the list named LIST, one a line, marked where selected and where the caret is.
unnamed PID WINDOW MIN: the controls of the window named WINDOW that have no name; fails if it shows fewer than MIN."""
import sys

import pyatspi

R = pyatspi
CONTROLS = {R.ROLE_PUSH_BUTTON, R.ROLE_SLIDER, R.ROLE_COMBO_BOX, R.ROLE_TEXT, R.ROLE_ENTRY, R.ROLE_SPIN_BUTTON,
            R.ROLE_LIST, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON}
# The items of boxes, lists and menus are their text: the walk does not go into them.
OPAQUE = {R.ROLE_COMBO_BOX, R.ROLE_LIST, R.ROLE_LIST_BOX, R.ROLE_TABLE, R.ROLE_MENU_BAR, R.ROLE_MENU}


def walk(node):
    yield node
    if node.getRole() not in OPAQUE:
        for child in filter(None, (node.getChildAtIndex(index) for index in range(node.childCount))):
            yield from walk(child)


def named(pid, name, roles):
    for app in filter(lambda app: app and app.get_process_id() == int(pid), R.Registry.getDesktop(0)):
        for node in walk(app):
            if node.name == name and node.getRole() in roles:
                return node
    sys.exit(f"nothing named '{name}' of process {pid} on the accessibility bus")


def main(command, pid, name, least=0):
    if command == "rows":
        for row in named(pid, name, {R.ROLE_LIST}):
            marks = (("selected", R.STATE_SELECTED), ("caret", R.STATE_FOCUSED))
            print(row.name + "".join(f" {mark}" for mark, state in marks if row.getState().contains(state)))
        return
    controls = [node for node in walk(named(pid, name, {R.ROLE_FRAME})) if node.getRole() in CONTROLS]
    for node in filter(lambda node: not node.name.strip(), controls):
        print(f"{node.getRoleName()} in {node.parent.getRoleName()} '{node.parent.name}'")
    if len(controls) < int(least):
        sys.exit(f"only {len(controls)} controls in '{name}'")


if __name__ == "__main__":
    main(*sys.argv[1:])
