"""Walking an application's accessible objects over AT-SPI, for the tests
that drive the program as a screen reader sees it."""


def children(obj):
    """The object's children; none when it has gone meanwhile."""
    try:
        return [c for c in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if c is not None]
    except Exception:
        return []


def find(obj, pred, depth=0, max_depth=12):
    """The first object in the tree below obj (itself included) for which
    pred holds; objects that go away while asked are skipped."""
    if obj is None or depth > max_depth:
        return None
    try:
        if pred(obj):
            return obj
    except Exception:
        return None
    for c in children(obj):
        r = find(c, pred, depth + 1, max_depth)
        if r:
            return r
    return None
