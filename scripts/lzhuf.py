# LZHUF as skin packages use it (4096-byte ring, 60-byte look-ahead, adaptive Huffman code for
# literals and match lengths, fixed prefix code for the upper six bits of a match distance):
# the decoder mirrors the program's reader byte for byte, including its cut of absurd sizes and
# the zero bits read past the end; the encoder is a plain greedy one. Python 3, no packages.
import bisect

RING = 4096
LOOK_AHEAD = 60
THRESHOLD = 2
RING_START = RING - LOOK_AHEAD
SYMBOLS = 256 - THRESHOLD + LOOK_AHEAD  # 314
NODES = 2 * SYMBOLS - 1  # 627
ROOT = NODES - 1
REBUILD_AT = 0x8000


def _position_tables():
    """Code and length of each upper value, and upper value and extra bits by leading byte."""
    count_of_length = {3: 1, 4: 3, 5: 8, 6: 12, 7: 24, 8: 16}
    code, length, upper_of_byte, extra_of_byte = [], [], [], []
    byte = 0
    for bits in range(3, 9):
        for _ in range(count_of_length[bits]):
            upper = len(code)
            code.append(byte >> (8 - bits))
            length.append(bits)
            for _ in range(1 << (8 - bits)):
                upper_of_byte.append(upper)
                extra_of_byte.append(bits - 2)
                byte += 1
    return code, length, upper_of_byte, extra_of_byte


P_CODE, P_LEN, P_UPPER, P_EXTRA = _position_tables()


class Tree:
    """The adaptive Huffman tree; nodes stay sorted by frequency, a sentinel follows the root."""

    def __init__(self):
        self.freq = [0] * (NODES + 1)
        self.child = [0] * NODES
        self.parent = [0] * (NODES + SYMBOLS)
        for i in range(SYMBOLS):
            self.freq[i] = 1
            self.child[i] = i + NODES
            self.parent[i + NODES] = i
        pair = 0
        for node in range(SYMBOLS, NODES):
            self.freq[node] = self.freq[pair] + self.freq[pair + 1]
            self.child[node] = pair
            self.parent[pair] = self.parent[pair + 1] = node
            pair += 2
        self.freq[NODES] = 0xFFFF
        self.parent[ROOT] = 0

    def _rebuild(self):
        freq, child = self.freq, self.child
        leaves = 0
        for node in range(NODES):
            if child[node] >= NODES:
                freq[leaves] = (freq[node] + 1) // 2
                child[leaves] = child[node]
                leaves += 1
        pair = 0
        for node in range(SYMBOLS, NODES):
            count = freq[pair] + freq[pair + 1]
            slot = node
            while count < freq[slot - 1]:
                slot -= 1
            freq[slot + 1:node + 1] = freq[slot:node]
            child[slot + 1:node + 1] = child[slot:node]
            freq[slot] = count
            child[slot] = pair
            pair += 2
        for node in range(NODES):
            first = child[node]
            self.parent[first] = node
            if first < NODES:
                self.parent[first + 1] = node

    def update(self, symbol):
        freq, child, parent = self.freq, self.child, self.parent
        if freq[ROOT] == REBUILD_AT:
            self._rebuild()
        node = parent[symbol + NODES]
        while True:
            freq[node] += 1
            count = freq[node]
            if count > freq[node + 1]:
                target = bisect.bisect_left(freq, count, node + 1, NODES) - 1
                freq[node] = freq[target]
                freq[target] = count
                moved, displaced = child[node], child[target]
                child[target], child[node] = moved, displaced
                parent[moved] = target
                if moved < NODES:
                    parent[moved + 1] = target
                parent[displaced] = node
                if displaced < NODES:
                    parent[displaced + 1] = node
                node = target
            node = parent[node]
            if node == 0:
                return


def size_limit(packed_bytes):
    """The most a reader makes of a stream of this many bytes, whatever the size word claims."""
    return min(packed_bytes * 48 + 4096, 256 << 20)


def decode(packed, limit=None):
    """Unpacks a packed package (size word and stream) exactly as the program's reader does;
    with `limit`, stops as soon as that many bytes are out (a prefix of the same result)."""
    declared = int.from_bytes((bytes(packed[:4]) + bytes(4))[:4], "little")
    stream = bytes(packed[4:])
    size = min(declared, size_limit(len(stream)))
    if limit is not None:
        size = min(size, limit)
    tree = Tree()
    ring = bytearray(b" " * RING)
    r = RING_START
    out = bytearray()
    state = {"pos": 0, "buf": 0, "bits": 0}

    def bits(count):
        value = 0
        for _ in range(count):
            if state["bits"] == 0:
                pos = state["pos"]
                state["buf"] = stream[pos] if pos < len(stream) else 0
                state["pos"] = pos + 1
                state["bits"] = 8
            state["bits"] -= 1
            value = (value << 1) | ((state["buf"] >> state["bits"]) & 1)
        return value

    child = tree.child
    while len(out) < size:
        node = child[ROOT]
        while node < NODES:
            node = child[node + bits(1)]
        symbol = node - NODES
        tree.update(symbol)
        if symbol < 256:
            out.append(symbol)
            ring[r] = symbol
            r = (r + 1) % RING
            continue
        lead = bits(8)
        extra = P_EXTRA[lead]
        low = ((lead << extra) | bits(extra)) & 0x3F
        source = (r - ((P_UPPER[lead] << 6) | low) - 1) % RING
        for k in range(symbol - 256 + THRESHOLD + 1):
            byte = ring[(source + k) % RING]
            out.append(byte)
            ring[r] = byte
            r = (r + 1) % RING
    return bytes(out)


class _BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, value, count):
        self.acc = (self.acc << count) | value
        self.count += count
        while self.count >= 8:
            self.count -= 8
            self.out.append((self.acc >> self.count) & 0xFF)
        self.acc &= (1 << self.count) - 1

    def finish(self):
        if self.count:
            self.out.append((self.acc << (8 - self.count)) & 0xFF)
        return bytes(self.out)


def _put_symbol(tree, writer, symbol):
    code, length = 0, 0
    node = tree.parent[symbol + NODES]
    while node != ROOT:
        code |= (node & 1) << length
        length += 1
        node = tree.parent[node]
    writer.put(code, length)
    tree.update(symbol)


def encode(data):
    """Packs `data`: size word, then a greedy LZSS parse of it under the adaptive code."""
    data = bytes(data)
    tree, writer = Tree(), _BitWriter()
    heads = {}
    i, n = 0, len(data)
    while i < n:
        best_len, best_at = 0, 0
        limit = min(LOOK_AHEAD, n - i)
        if limit > THRESHOLD:
            for j in reversed(heads.get(data[i:i + 3], ())):
                if i - j > RING - LOOK_AHEAD:
                    break
                if data[j:j + limit] == data[i:i + limit]:
                    best_len, best_at = limit, j
                    break
                length = 3
                while length < limit and data[j + length] == data[i + length]:
                    length += 1
                if length > best_len:
                    best_len, best_at = length, j
        step = best_len if best_len > THRESHOLD else 1
        if step == 1:
            _put_symbol(tree, writer, data[i])
        else:
            _put_symbol(tree, writer, 256 + best_len - THRESHOLD - 1)
            distance = i - best_at - 1
            upper = distance >> 6
            writer.put(P_CODE[upper], P_LEN[upper])
            writer.put(distance & 0x3F, 6)
        for k in range(i, min(i + step, n - 2)):
            chain = heads.setdefault(data[k:k + 3], [])
            chain.append(k)
            if len(chain) > 8:
                del chain[0]
        i += step
    return n.to_bytes(4, "little") + writer.finish()
