#!/usr/bin/env python3
"""Writes the small seed pictures, sounds, MIDI files, soundfont preset data and MP3 frames of the
fuzz corpus (run once; the output is kept)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(name, width, height, bits, rows, palette=None, compression=0, header=40, masks=None,
        top_down=False):
    pal = b""
    if palette is not None:
        pal = b"".join(struct.pack("<BBB", b, g, r) + (b"" if header == 12 else b"\0")
                       for (r, g, b) in palette)
    extra = b""
    if masks is not None and header == 40:
        extra = struct.pack("<III", *masks)
    data = rows
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", 40 if header == 40 else header, width,
                           -height if top_down else height, 1, bits, compression, len(data),
                           2835, 2835, len(palette or []), 0)
        if header > 40:
            m = masks or (0, 0, 0)
            info += struct.pack("<IIII", m[0], m[1], m[2], 0)
            info += b"\0" * (header - len(info))
    offset = 14 + len(info) + len(extra) + len(pal)
    filehdr = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    with open(os.path.join(HERE, "corpus", "bmp", name), "wb") as f:
        f.write(filehdr + info + extra + pal + data)


def pad(row):
    return row + b"\0" * ((4 - len(row) % 4) % 4)


def main():
    grey = [(i * 17, i * 17, i * 17) for i in range(16)]
    # 8-bit, 5 x 3, 4 colours
    bmp("pal8.bmp", 5, 3, 8, b"".join(pad(bytes([(x + y) % 4 for x in range(5)])) for y in range(3)),
        palette=[(0, 0, 0), (255, 0, 255), (255, 255, 255), (10, 200, 30)])
    bmp("pal8_topdown.bmp", 3, 2, 8, pad(bytes([0, 1, 2])) + pad(bytes([2, 1, 0])),
        palette=[(1, 2, 3), (4, 5, 6), (7, 8, 9)], top_down=True)
    bmp("pal4.bmp", 7, 2, 4, pad(bytes([0x01, 0x23, 0x45, 0x60])) * 2, palette=grey[:7])
    bmp("pal1.bmp", 10, 2, 1, pad(bytes([0b10101010, 0b11000000])) * 2,
        palette=[(0, 0, 0), (255, 255, 255)])
    bmp("rgb24.bmp", 3, 2, 24, pad(bytes([0, 0, 255, 0, 255, 0, 255, 0, 0])) * 2)
    bmp("rgb32.bmp", 2, 2, 32, bytes([1, 2, 3, 0, 4, 5, 6, 0]) * 2)
    bmp("rgb16.bmp", 2, 2, 16, bytes([0x1F, 0x00, 0xE0, 0x03]) * 2)
    bmp("bitfields16.bmp", 2, 1, 16, bytes([0x1F, 0xF8, 0xE0, 0x07]), compression=3,
        masks=(0xF800, 0x07E0, 0x001F))
    bmp("bitfields32_v4.bmp", 2, 1, 32, bytes([1, 2, 3, 4, 5, 6, 7, 8]), compression=3,
        header=108, masks=(0xFF0000, 0xFF00, 0xFF))
    bmp("core1.bmp", 2, 2, 1, pad(bytes([0b01000000])) * 2, palette=[(9, 9, 9), (200, 100, 50)],
        header=12)
    rle8 = bytes([3, 1, 0, 3, 2, 0, 1, 0, 0, 0, 0, 2, 1, 0, 2, 1, 2, 0, 0, 1])
    bmp("rle8.bmp", 6, 3, 8, rle8, palette=[(0, 0, 0), (255, 0, 255), (0, 255, 0)],
        compression=1)
    rle4 = bytes([4, 0x12, 0, 0, 0, 3, 0x21, 0x20, 0, 1])
    bmp("rle4.bmp", 4, 2, 4, rle4, palette=grey[:3], compression=2)

    def wave(name, channels, rate, bits, samples, extra_chunk=False):
        block = channels * bits // 8
        fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * block, block, bits)
        body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
        if extra_chunk:
            body += b"LIST" + struct.pack("<I", 3) + b"abc\0"
        body += b"data" + struct.pack("<I", len(samples)) + samples
        if len(samples) % 2:
            body += b"\0"
        with open(os.path.join(HERE, "corpus", "wave", name), "wb") as f:
            f.write(b"RIFF" + struct.pack("<I", len(body)) + body)

    wave("mono8.wav", 1, 8000, 8, bytes([128, 160, 200, 160, 128, 90, 60, 90, 128]))
    wave("stereo16.wav", 2, 44100, 16, struct.pack("<8h", 0, 0, 1000, -1000, 2000, -2000, 0, 0))
    wave("mono16_list.wav", 1, 22050, 16, struct.pack("<4h", 0, 300, -300, 0), extra_chunk=True)

    def midi(name, fmt, division, tracks):
        out = b"MThd" + struct.pack(">IHHH", 6, fmt, len(tracks), division)
        for t in tracks:
            out += b"MTrk" + struct.pack(">I", len(t)) + t
        os.makedirs(os.path.join(HERE, "corpus", "midi"), exist_ok=True)
        with open(os.path.join(HERE, "corpus", "midi", name), "wb") as f:
            f.write(out)

    end = b"\x00\xff\x2f\x00"
    tempo_meter = b"\x00\xff\x51\x03\x07\xa1\x20\x00\xff\x58\x04\x06\x03\x18\x08"
    notes = (b"\x00\xc0\x1e\x00\x90\x3c\x64\x60\x3c\x00\x00\xb0\x07\x64"
             b"\x30\xe0\x00\x40\x00\xf0\x03\x7e\x7f\xf7")
    midi("one_track.mid", 0, 96, [tempo_meter + notes + end])
    midi("two_tracks.mid", 1, 480, [tempo_meter + b"\x83\x60\xff\x51\x03\x0f\x42\x40" + end,
                                    notes + end])

    # Preset data: piano 0 and drum kit 0 over one instrument with a stereo pair of samples.
    def records(fmt, rows):
        return b"".join(struct.pack(fmt, *row) for row in rows)

    def named(fmt, rows):
        return records("<20s" + fmt, [(b"",) + tuple(row) for row in rows])

    chunks = [
        ("phdr", named("HHHIII", [(0, 0, 0, 0, 0, 0), (0, 128, 1, 0, 0, 0), (0, 0, 2, 0, 0, 0)])),
        ("pbag", records("<HH", [(0, 0), (1, 0), (2, 0)])),
        ("pmod", records("<HHhHH", [(0, 0, 0, 0, 0)])),
        ("pgen", records("<HH", [(41, 0), (41, 0), (0, 0)])),
        ("inst", named("H", [(0,), (2,)])),
        ("ibag", records("<HH", [(0, 0), (1, 0), (2, 0)])),
        ("imod", records("<HHhHH", [(0, 0, 0, 0, 0)])),
        ("igen", records("<HH", [(53, 0), (53, 1), (0, 0)])),
        ("shdr", named("IIIIIBbHH", [(0, 0, 0, 0, 0, 60, 0, 1, 4), (0, 0, 0, 0, 0, 60, 0, 0, 2),
                                     (0, 0, 0, 0, 0, 0, 0, 0, 0)])),
    ]
    os.makedirs(os.path.join(HERE, "corpus", "sf2"), exist_ok=True)
    with open(os.path.join(HERE, "corpus", "sf2", "two_presets.pdta"), "wb") as f:
        f.write(b"".join(tag.encode() + struct.pack("<I", len(body)) + body
                         for tag, body in chunks))

    # MP3: two silent MPEG 1 layer III frames (128 kbit/s, 44.1 kHz), and an MPEG 2 mono stream
    # (64 kbit/s, 22.05 kHz) that begins with an "Info" frame, behind an ID3v2 tag.
    def mp3(name, data):
        os.makedirs(os.path.join(HERE, "corpus", "mp3"), exist_ok=True)
        with open(os.path.join(HERE, "corpus", "mp3", name), "wb") as f:
            f.write(data)

    mpeg1 = b"\xff\xfb\x90\x00" + b"\0" * 413
    mp3("two_frames.mp3", mpeg1 * 2)
    mpeg2 = b"\xff\xf3\x80\xc0" + b"\0" * 204
    info = mpeg2[:13] + b"Info" + mpeg2[17:]
    mp3("info_tag.mp3", b"ID3\x04\0\0\0\0\0\x0a" + b"\0" * 10 + info + mpeg2 * 3)


if __name__ == "__main__":
    main()
