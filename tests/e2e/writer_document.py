#!/usr/bin/python3
# Reads or lays out the text of the document open in LibreOffice Writer, through the
# UNO bridge that Writer listens on (its --accept pipe), for the end-to-end tests.
#
#   writer_document.py PIPE text        prints the document's text (UTF-8, paragraphs
#                                       separated by "\n")
#   writer_document.py PIPE set TEXT    replaces the text, the cursor at its start
#   writer_document.py PIPE quit        ends Writer without asking to save
import os
import sys

import uno

pipe, command = sys.argv[1], sys.argv[2]
local = uno.getComponentContext()
resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
try:
    remote = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
except Exception:
    sys.exit(3)  # Writer does not listen (yet)
desktop = remote.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", remote)

if command == "quit":
    for document in desktop.Components:
        document.setModified(False)
    desktop.terminate()
    os._exit(0)

# The one text document; the current component is whichever window had Writer's focus last.
documents = [d for d in desktop.Components if d.supportsService("com.sun.star.text.TextDocument")]
if len(documents) != 1:
    sys.exit("Writer has %d text documents open, not one" % len(documents))
document = documents[0]
if command == "set":
    document.Text.setString(sys.argv[3])
    document.CurrentController.ViewCursor.gotoStart(False)
elif command == "text":
    sys.stdout.buffer.write(document.Text.getString().encode("utf-8"))
else:
    sys.exit("unknown command " + command)
# Python's own ending, with the bridge still up, at times dies of a signal.
sys.stdout.flush()
os._exit(0)
