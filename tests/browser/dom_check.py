"""What a reader of a puzzle document sees, checked on the DOM that headless
chromium dumps after loading the page.

check_dom(dom_text, expected) returns a list of problems (empty when the page
is right). `expected` is a dict:
  title   the title as typed (str)
  rows    the grid rows, one str per row, one character per cell
  phrase  the hidden phrase as the fill keeps it (lower case), "" for none
  columns the word list as shown, one list of words per column; or instead
  words   the placed words as typed, when only their set is known: the order
          and the column split are then checked by their rules
Standard library only.
"""

import collections
import html
import html.parser

VOID = {"br", "img", "hr", "meta", "link", "input", "col", "area", "base", "wbr",
        "param", "source", "track", "embed"}
BODY_TAGS = {"font", "table", "tbody", "tr", "td", "h1", "p", "br", "b"}
ATTRIBUTES = {"face", "size", "align", "valign", "frame", "rules", "border",
              "cellpadding", "width"}
UPPER = {**{chr(c): chr(c - 32) for c in range(ord("a"), ord("z") + 1)},
         "ä": "Ä", "å": "Å", "ö": "Ö"}
LOWER = {v: k for k, v in UPPER.items()}
SOLVER_LINE = "Ristikon ratkaisi " + "_" * 28
PHRASE_QUESTION = "Mitä jäljelle jäävistä kirjaimista muodostuu? " + "_" * 29


class Node:
    def __init__(self, tag, attrs, parent):
        self.tag, self.attrs, self.parent, self.children = tag, dict(attrs), parent, []

    def walk(self):
        yield self
        for child in self.children:
            if isinstance(child, Node):
                yield from child.walk()

    def text(self):
        return "".join(c if isinstance(c, str) else c.text()
                       for c in self.children if not isinstance(c, Comment))

    def inside(self, other):
        node = self
        while node is not None:
            if node is other:
                return True
            node = node.parent
        return False


class Comment(str):
    pass


class TreeBuilder(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Node("#document", [], None)
        self.current = self.root
        self.comments = []

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs, self.current)
        self.current.children.append(node)
        if tag not in VOID:
            self.current = node

    def handle_startendtag(self, tag, attrs):
        self.current.children.append(Node(tag, attrs, self.current))

    def handle_endtag(self, tag):
        node = self.current
        while node is not self.root and node.tag != tag:
            node = node.parent
        if node is not self.root:
            self.current = node.parent

    def handle_data(self, data):
        self.current.children.append(data)

    def handle_comment(self, data):
        comment = Comment(data)
        comment.parent = self.current
        self.current.children.append(comment)
        self.comments.append(comment)


def capitalised(text):
    return "".join(UPPER.get(c, c) if i == 0 else LOWER.get(c, c) for i, c in enumerate(text))


def precedes(a, b):
    """The document's word order: CP850 values of the upper-cased letters."""
    for x, y in zip(a, b):
        x, y = UPPER.get(x, x).encode("cp850"), UPPER.get(y, y).encode("cp850")
        if x != y:
            return x < y
    return False


def column_sizes(count):
    if count <= 15:
        return [count]
    if count <= 30:
        return [count // 2 + 1, count - (count // 2 + 1)]
    k = count // 3 + 1
    return [k, k, count - 2 * k]


def info_comment(expected, word_count):
    rows = expected["rows"]
    text = (" Tietoja ristikosta: \n         Ristikon koko: %dx%d\n"
            "         Ristikossa yhteensä %d sanaa." % (len(rows), len(rows[0]), word_count))
    if not expected["phrase"]:
        return text + " "
    return text + "\n         Jäljelle jäävistä kirjaimista muodostuu: "


def check_grid(tree, expected, problems):
    grids = [n for n in tree.root.walk() if n.tag == "table" and n.attrs.get("cellpadding") == "7"]
    if len(grids) != 1:
        problems.append("expected one grid table, found %d" % len(grids))
        return None
    grid = grids[0]
    rows = [n for n in grid.walk() if n.tag == "tr"]
    want = expected["rows"]
    if len(rows) != len(want):
        problems.append("grid has %d rows, expected %d" % (len(rows), len(want)))
    for number, (row, cells) in enumerate(zip(rows, want), 1):
        seen = [td.text() for td in row.walk() if td.tag == "td"]
        if seen != list(cells):
            problems.append("grid row %d shows %r, expected %r" % (number, seen, list(cells)))
    return grid


def check_words(tree, expected, problems):
    sanat = [c for c in tree.comments if c == "Sanat"]
    if len(sanat) != 1:
        problems.append("expected one Sanat marker, found %d" % len(sanat))
        return []
    first = sanat[0].parent
    while first is not None and first.tag != "td":
        first = first.parent
    if first is None:
        problems.append("the word list is not inside a table cell")
        return []
    columns = [td.text().split() for td in first.parent.children
               if isinstance(td, Node) and td.tag == "td" and td.attrs.get("valign") == "top"]
    shown = [w for c in columns for w in c]
    if "columns" in expected:
        want = [list(c) for c in expected["columns"]] or [[]]
        if columns != want:
            problems.append("word list shows %r, expected %r" % (columns, want))
        return [w for c in expected["columns"] for w in c]
    want = sorted(capitalised(w) for w in expected["words"])
    if sorted(shown) != want:
        problems.append("word list shows %r, expected the words %r" % (shown, want))
    if [len(c) for c in columns] != column_sizes(len(want)):
        problems.append("word columns hold %r words, expected %r"
                        % ([len(c) for c in columns], column_sizes(len(want))))
    for i, earlier in enumerate(shown):
        for later in shown[i + 1:]:
            if precedes(later, earlier):
                problems.append("word list shows %s above %s" % (earlier, later))
    return shown


def check_comments(tree, expected, word_count, problems):
    got = [str(c) for c in tree.comments]
    fixed = [" Tämä tiedosto on laadittu Haravoija -ohjelmalla ", "Ristikko", "Sanat", "Loppu"]
    if len(got) != 5 or [got[0]] + got[2:] != fixed:
        problems.append("comments are %r" % got)
        return
    info, head = got[1], info_comment(expected, word_count)
    if not info.startswith(head):
        problems.append("information comment %r does not begin %r" % (info, head))
    elif expected["phrase"]:
        if not info.endswith("\n "):
            problems.append("information comment %r does not end the phrase line" % info)
        shown = html.unescape(info[len(head):-2])
        if shown != capitalised(expected["phrase"]):
            problems.append("information comment holds the phrase %r, expected %r"
                            % (shown, capitalised(expected["phrase"])))
    elif info != head:
        problems.append("information comment %r, expected %r" % (info, head))


def check_dom(dom_text, expected):
    tree = TreeBuilder()
    tree.feed(dom_text)
    tree.close()
    problems = []
    nodes = list(tree.root.walk())
    titles = [n for n in nodes if n.tag == "title"]
    if [t.text() for t in titles] != [expected["title"]]:
        problems.append("title element(s) %r, expected %r"
                        % ([t.text() for t in titles], expected["title"]))
    headings = [n.text() for n in nodes if n.tag == "h1"]
    if headings != [expected["title"]]:
        problems.append("heading(s) %r, expected %r" % (headings, expected["title"]))
    bodies = [n for n in nodes if n.tag == "body"]
    body = bodies[0] if bodies else tree.root
    grid = check_grid(tree, expected, problems)
    words = check_words(tree, expected, problems)
    check_comments(tree, expected, len(words), problems)

    for node in body.walk():
        if node is body:
            continue
        if node.tag not in BODY_TAGS:
            problems.append("unexpected element <%s> on the page" % node.tag)
        if node.tag == "b" and (grid is None or not node.inside(grid)):
            problems.append("bold text %r outside the grid" % node.text())
        for name in node.attrs:
            if name not in ATTRIBUTES:
                problems.append("unexpected attribute %s=%r" % (name, node.attrs[name]))

    # Everything readable outside the grid, word by word: the heading, the
    # words and the solver's lines, and nothing else.
    visible = []

    def collect(node):
        if node is grid:
            return
        for child in node.children:
            if isinstance(child, Comment):
                continue
            if isinstance(child, str):
                visible.extend(child.split())
            else:
                collect(child)
    collect(body)
    lines = ([PHRASE_QUESTION] if expected["phrase"] else []) + [SOLVER_LINE]
    want = expected["title"].split() + words + " ".join(lines).split()
    phrase = expected["phrase"].lower()
    extra = collections.Counter(visible) - collections.Counter(want)
    leaked = [token for token in extra if phrase and token.lower() in phrase]
    if leaked:
        problems.append("part of the hidden phrase shows on the page: %r" % leaked)
    if visible != want:
        problems.append("page text outside the grid is %r, expected %r" % (visible, want))
    return problems
