#!/usr/bin/env python3
"""Draws the toolbar strips and the program icon as SVG and renders them to PNG.

Run from this folder (needs rsvg-convert from librsvg2-bin):  python3 make_images.py
The PNGs are committed; the program loads them as Qt resources.
"""
import subprocess

NAVY = "#1f2f5c"
GREEN = "#1e8c3a"
RED = "#c62828"
BLUE = "#1565c0"
GREY = "#a3a3a3"


def glyphs(c):
    """Six 24x24 glyphs, left to right: printer, pencil, cross, gear, question mark, power.
    c is a list of six colours."""
    out = []
    # printer
    out.append(f'''<g transform="translate(0,0)" fill="none" stroke="{c[0]}" stroke-width="1.6" stroke-linejoin="round">
  <rect x="7" y="3" width="10" height="6" fill="#fff"/>
  <rect x="3" y="9" width="18" height="8.5" rx="2" fill="{c[0]}"/>
  <rect x="7" y="14" width="10" height="7" fill="#fff"/>
  <line x1="9" y1="17" x2="15" y2="17" stroke-width="1"/><line x1="9" y1="19" x2="14" y2="19" stroke-width="1"/>
  <circle cx="18" cy="12" r="0.9" fill="#fff" stroke="none"/></g>''')
    # pencil
    out.append(f'''<g transform="translate(24,0)">
  <g transform="rotate(45 12 12)">
    <rect x="9.5" y="2" width="5" height="15" fill="{c[1]}" stroke="{c[1]}" stroke-width="1" stroke-linejoin="round"/>
    <rect x="9.5" y="2" width="5" height="2.5" fill="#fff" stroke="{c[1]}" stroke-width="1"/>
    <path d="M9.5 17 L12 22 L14.5 17 Z" fill="#f3d9a4" stroke="{c[1]}" stroke-width="1" stroke-linejoin="round"/>
    <path d="M11.2 20.4 L12 22 L12.8 20.4 Z" fill="{c[1]}"/>
  </g></g>''')
    # cross
    out.append(f'''<g transform="translate(48,0)" stroke="{c[2]}" stroke-width="3.6" stroke-linecap="round">
  <line x1="6" y1="6" x2="18" y2="18"/><line x1="18" y1="6" x2="6" y2="18"/></g>''')
    # gear
    teeth = "".join(
        f'<rect x="10.3" y="1.8" width="3.4" height="4.5" rx="0.6" transform="rotate({a} 12 12)"/>'
        for a in range(0, 360, 45))
    out.append(f'''<g transform="translate(72,0)" fill="{c[3]}">{teeth}
  <circle cx="12" cy="12" r="7"/><circle cx="12" cy="12" r="2.8" fill="#fff"/></g>''')
    # question mark in a circle
    out.append(f'''<g transform="translate(96,0)">
  <circle cx="12" cy="12" r="9.5" fill="{c[4]}"/>
  <path d="M9 9.3 C9 7.4 10.4 6.4 12.1 6.4 C13.9 6.4 15.2 7.5 15.2 9.1 C15.2 11.4 12.4 11.6 12.4 14"
        fill="none" stroke="#fff" stroke-width="2.2" stroke-linecap="round"/>
  <circle cx="12.4" cy="17.4" r="1.4" fill="#fff"/></g>''')
    # power
    out.append(f'''<g transform="translate(120,0)" fill="none" stroke="{c[5]}" stroke-width="2.6" stroke-linecap="round">
  <path d="M7.6 7.2 A7 7 0 1 0 16.4 7.2"/><line x1="12" y1="3.5" x2="12" y2="11.5"/></g>''')
    return "\n".join(out)


def strip(colours):
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="144" height="24" viewBox="0 0 144 24">
{glyphs(colours)}
</svg>
'''


ICON = '''<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#2b4c8c"/><stop offset="1" stop-color="#1a2d57"/>
    </linearGradient>
  </defs>
  <rect x="12" y="12" width="232" height="232" rx="44" fill="url(#bg)"/>
  <g fill="#ffffff">
    <rect x="52" y="150" width="26" height="56" rx="4"/>
    <rect x="90" y="118" width="26" height="88" rx="4"/>
    <rect x="128" y="86" width="26" height="120" rx="4"/>
    <rect x="166" y="134" width="26" height="72" rx="4" opacity="0.75"/>
  </g>
  <line x1="40" y1="128" x2="216" y2="128" stroke="#ffb300" stroke-width="7" stroke-dasharray="14 9"/>
  <path d="M196 40 C160 52 136 84 124 112 L132 116 C150 92 174 66 204 52 Z" fill="#ffb300"/>
  <line x1="124" y1="112" x2="116" y2="132" stroke="#ffb300" stroke-width="5" stroke-linecap="round"/>
</svg>
'''


def render(name, svg, size=None):
    with open(name + ".svg", "w") as f:
        f.write(svg)
    args = ["rsvg-convert", name + ".svg", "-o", name + ".png"]
    if size:
        args[1:1] = ["-w", str(size), "-h", str(size)]
    subprocess.run(args, check=True)


render("BARNOR", strip([NAVY] * 6))
render("BARHOT", strip([GREEN, GREEN, RED, GREEN, BLUE, RED]))
render("BARDIM", strip([GREY] * 6))
render("AAPROGRAM", ICON, 256)
