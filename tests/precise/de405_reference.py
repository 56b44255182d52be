#!/usr/bin/python3
"""Apparent geocentric places from the numerical ephemeris DE405, as an independent check
of the precise source.

DE405's Chebyshev records come from Debian's casacore-data-jpl-de405 (1960-2060), the
apparent-place chain from ERFA (Debian's python3-erfa): light time from barycentric
positions, the Sun's deflection of light, annual aberration from the Earth's barycentric
velocity, and IAU 2006/2000A bias-precession-nutation to the true equator and equinox of
date. Needs python3-casacore, python3-erfa and python3-numpy.

  de405_reference.py table             rows for the test, at fixed dates
  de405_reference.py sweep N QUENARO   N random dates in 1960-2060 against
                                       `QUENARO position BODY --precise --jd JD`
"""
import json
import random
import subprocess
import sys

import casacore.tables
import erfa
import numpy as np

TABLE = "/usr/share/casacore/data/ephemerides/DE405"
# Word offset (0-based, after the record's two dates), coefficients per component and
# sub-intervals of each body's block in a DE405 record.
LAYOUT = {
    "mercury": (0, 14, 4),
    "venus": (168, 10, 2),
    "emb": (228, 13, 2),
    "mars": (306, 11, 1),
    "jupiter": (339, 8, 1),
    "saturn": (363, 7, 1),
    "moon": (438, 13, 8),
    "sun": (750, 11, 2),
}
BODIES = ["sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn"]
RECORD_DAYS = 32.0

table = casacore.tables.table(TABLE, ack=False)
keywords = table.getkeywords()
AU_KM = keywords["AU"]
C_KM_PER_DAY = keywords["CLIGHT"] * 86400.0
EARTH_MOON_RATIO = keywords["EMRAT"]
RECORD_START_MJD = table.getcol("MJD")  # each record's first day
COEFFICIENTS = table.getcol("x")


def chebyshev(coefficients, x):
    """The series and its derivative in x at x in [-1, 1]."""
    n = len(coefficients)
    t = np.zeros(n)
    dt = np.zeros(n)
    t[0], t[1] = 1.0, x
    dt[1] = 1.0
    for i in range(2, n):
        t[i] = 2 * x * t[i - 1] - t[i - 2]
        dt[i] = 2 * t[i - 1] + 2 * x * dt[i - 1] - dt[i - 2]
    return coefficients @ t, coefficients @ dt


def state(body, jd):
    """Position (km) and velocity (km/day) of DE405's block `body` at the Julian date TDB."""
    mjd = jd - 2400000.5
    record = int(np.searchsorted(RECORD_START_MJD, mjd, side="right")) - 1
    if record < 0 or mjd > RECORD_START_MJD[-1] + RECORD_DAYS:
        raise ValueError(f"JD {jd} is outside the table")
    offset, count, parts = LAYOUT[body]
    span = RECORD_DAYS / parts
    into = mjd - RECORD_START_MJD[record]
    part = min(int(into // span), parts - 1)
    x = 2 * (into - part * span) / span - 1
    words = COEFFICIENTS[record, offset + part * 3 * count:]
    values = [chebyshev(words[c * count:(c + 1) * count], x) for c in range(3)]
    return (np.array([v[0] for v in values]),
            np.array([v[1] for v in values]) * 2 / span)


def barycentric(body, jd):
    """Barycentric position and velocity (km, km/day) of a body, the Earth or the Moon."""
    if body in ("earth", "moon"):
        emb, emb_velocity = state("emb", jd)
        moon, moon_velocity = state("moon", jd)
        earth = emb - moon / (1 + EARTH_MOON_RATIO)
        earth_velocity = emb_velocity - moon_velocity / (1 + EARTH_MOON_RATIO)
        if body == "earth":
            return earth, earth_velocity
        return earth + moon, earth_velocity + moon_velocity
    return state(body, jd)


def apparent_place(body, jd):
    """Right ascension and declination (degrees) on the true equator of date, distance (km)."""
    earth, earth_velocity = barycentric("earth", jd)
    sun, _ = barycentric("sun", jd)
    emitted = jd
    for _ in range(4):
        position, _ = barycentric(body, emitted)
        emitted = jd - np.linalg.norm(position - earth) / C_KM_PER_DAY
    geocentric = position - earth
    direction = geocentric / np.linalg.norm(geocentric)
    earth_from_sun = earth - sun
    sun_distance_au = np.linalg.norm(earth_from_sun) / AU_KM
    if body != "sun":
        sun_then, _ = barycentric("sun", emitted)
        body_from_sun = position - sun_then
        direction = erfa.ld(1.0, direction, body_from_sun / np.linalg.norm(body_from_sun),
                            earth_from_sun / np.linalg.norm(earth_from_sun),
                            sun_distance_au, 1e-9)
    velocity = earth_velocity / C_KM_PER_DAY
    direction = erfa.ab(direction, velocity, sun_distance_au,
                        np.sqrt(1 - velocity @ velocity))
    of_date = erfa.pnm06a(jd, 0.0) @ direction
    ra, dec = erfa.c2s(of_date)
    geometric, _ = barycentric(body, jd)
    return (np.degrees(erfa.anp(ra)), np.degrees(dec),
            np.linalg.norm(geometric - earth))


def separation_arcsec(ra1, dec1, ra2, dec2):
    return np.degrees(erfa.seps(*np.radians([ra1, dec1, ra2, dec2]))) * 3600


def table_rows():
    for jd in (2437000.5, 2444239.5, 2451545.0, 2455197.5, 2461383.25, 2469807.5, 2473000.5):
        for body in BODIES:
            ra, dec, _ = apparent_place(body, jd)
            print(f"    {{PreciseBody::{body.capitalize()}, {jd}, {ra:.9f}, {dec:.9f}}},")


def sweep(count, quenaro):
    rng = random.Random(405)
    first = RECORD_START_MJD[0] + 2400000.5
    last = RECORD_START_MJD[-1] + RECORD_DAYS + 2400000.5
    worst = {body: (0.0, None) for body in BODIES}
    total = {body: 0.0 for body in BODIES}
    for _ in range(count):
        jd = round(rng.uniform(first, last), 5)
        for body in BODIES:
            out = subprocess.run([quenaro, "position", body, "--precise", "--jd", repr(jd)],
                                 check=True, capture_output=True, text=True).stdout
            figures = json.loads(out)
            ra, dec, _ = apparent_place(body, jd)
            error = separation_arcsec(figures["ra"] * 15, figures["dec"], ra, dec)
            total[body] += error * error
            if error > worst[body][0]:
                worst[body] = (error, jd)
    for body in BODIES:
        rms = np.sqrt(total[body] / count)
        print(f"{body:8s} largest {worst[body][0]:.3f}\" (JD {worst[body][1]}), rms {rms:.3f}\"")


if __name__ == "__main__":
    if sys.argv[1:2] == ["table"]:
        table_rows()
    elif sys.argv[1:2] == ["sweep"] and len(sys.argv) == 4:
        sweep(int(sys.argv[2]), sys.argv[3])
    else:
        sys.exit(__doc__)
