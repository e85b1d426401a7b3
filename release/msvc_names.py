"""Reads the qualification of a name mangled in the MSVC C++ ABI: which scopes
(namespaces, classes) it is declared in, and whether it names data.

Only what the release build's checks need: a name's enclosing scopes up to the
first "@@", the storage code after them, and back-references among them.
Templates are not read (None): nothing of the host's interface is one.
"""


class MangledName:
    def __init__(self, scopes, rest):
        self.scopes = scopes  # innermost first: ["CString", "XSI"]
        self.rest = rest  # what follows the qualification: type and storage codes

    @property
    def outermost(self):
        return self.scopes[-1] if self.scopes else ""

    @property
    def is_data(self):
        # Variables carry a storage class digit where functions carry an
        # access letter: 0-4 for variables, 6-7 for virtual tables.
        return self.rest[:1].isdigit()


def _skip_special_name(symbol, at):
    """Skips an operator or special member code after "??": ?0 (constructor),
    ?H (operator+), ?_7 (vftable), ?__E ...; returns where its scopes begin."""
    if symbol.startswith("__", at):
        return at + 3
    if symbol.startswith("_", at):
        return at + 2
    return at + 1


def parse(symbol):
    """The MangledName of an MSVC C++ symbol, or None for a C name or a template."""
    if not symbol.startswith("?") or symbol.startswith("??$") or symbol.startswith("?$"):
        return None
    names = []  # fragments in order, for back-references ("0".."9")
    at = 1
    if symbol.startswith("?", at):
        at = _skip_special_name(symbol, at + 1)
    else:
        end = symbol.find("@", at)
        if end < 0:
            return None
        names.append(symbol[at:end])
        at = end + 1
    scopes = []
    while at < len(symbol) and symbol[at] != "@":
        if symbol[at].isdigit():
            index = int(symbol[at])
            if index >= len(names):
                return None
            scopes.append(names[index])
            at += 1
            continue
        if symbol.startswith("?$", at):
            return None
        end = symbol.find("@", at)
        if end < 0:
            return None
        names.append(symbol[at:end])
        scopes.append(symbol[at:end])
        at = end + 1
    if at >= len(symbol):
        return None
    return MangledName(scopes, symbol[at + 1:])
