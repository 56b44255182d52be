#!/usr/bin/env python3
"""Reference positions of the model's own Sun and Moon, computed independently of its code.

The almanac's Sun is a short analytical theory (mean anomaly, equation of the centre, a node
term, aberration) and its Moon the principal periodic terms of ELP-2000/82; both are turned
into right ascension and declination with the model's 31-term nutation and mean obliquity.
This script writes the same algorithm again, step by step from the algorithm's description,
in plain Python floats, and prints one C++ table row per moment and body for
tests/model/SunMoonReferenceTest.cpp (moment in UT, its Julian date, the body, then
latitude, longitude, radius in km, right ascension and declination):

    python3 tests/model/sun_moon_reference.py [path/to/shared/data]

The Moon's periodic terms and the nutation terms are read from the shared data folder
(moon_lr.tsv, moon_b.tsv, nutation_iau1980_63.tsv; default ../shared/data beside the
project), not from the generated C++ tables.
"""

import math
import os
import sys

MOMENTS = [
    # (year, month, day, hour, minute) in Universal Time, what it is
    ((-3000, 3, 1, 0, 0), "Julian calendar"),
    ((-500, 6, 15, 6, 0), "Julian calendar"),
    ((1000, 1, 1, 0, 0), "Julian calendar"),
    ((1582, 10, 15, 0, 0), "the first Gregorian day"),
    ((1582, 12, 31, 18, 0), "late 1582"),
    ((1900, 1, 1, 0, 0), ""),
    ((1992, 4, 12, 0, 0), "the worked example of the lunar series"),
    ((2000, 1, 1, 12, 0), "T = 0"),
    ((2026, 12, 7, 20, 8), ""),
    ((2500, 7, 1, 0, 0), ""),
    ((4000, 1, 1, 0, 0), ""),
    ((8000, 12, 31, 0, 0), ""),
]


def julian_date(year, month, day, hour, minute):
    """The standard civil-date formula, Gregorian from 1582-10-15 on, Julian before."""
    gregorian = (year, month, day) >= (1582, 10, 15)
    if month <= 2:
        year, month = year - 1, month + 12
    a = math.floor(year / 100)
    b = 2 - a + math.floor(a / 4) if gregorian else 0
    return (math.floor(365.25 * (year + 4716)) + math.floor(30.6001 * (month + 1)) + day + b
            - 1524.5 + hour / 24.0 + minute / 1440.0)


def sind(x):
    return math.sin(x / 180.0 * math.pi)


def cosd(x):
    return math.cos(x / 180.0 * math.pi)


def tand(x):
    return math.tan(x / 180.0 * math.pi)


def asind(x):
    return math.asin(x) * 180.0 / math.pi


def atan2d(y, x):
    return math.atan2(y, x) * 180.0 / math.pi


def mod360(x):
    r = x - 360.0 * math.floor(x / 360.0)
    while r < 0:
        r += 360.0
    return r


def read_rows(path):
    with open(path, encoding="utf-8") as table:
        return [line.split() for line in table if line.strip() and not line.startswith("#")]


class Tables:
    def __init__(self, data_folder):
        self.moon_lr = [[int(v) for v in row] for row in read_rows(os.path.join(data_folder, "moon_lr.tsv"))]
        self.moon_b = [[int(v) for v in row] for row in read_rows(os.path.join(data_folder, "moon_b.tsv"))]
        # The model uses the 31 leading rows: D M M' F Omega, S and S' per century.
        self.nutation = [[float(v) for v in row[:7]]
                         for row in read_rows(os.path.join(data_folder, "nutation_iau1980_63.tsv"))[:31]]
        assert len(self.moon_lr) == 60 and len(self.moon_b) == 60 and len(self.nutation) == 31


def mean_anomaly_of_the_sun(t):
    return 357.5291092 + 35999.0502909 * t - 0.0001536 * t * t


def mean_anomaly_of_the_moon(t):
    return mod360(134.9634114 + 477198.8676313 * t + 0.008997 * t * t)


def mean_elongation_of_the_moon(t):
    return mod360(297.8502042 + 445267.1115168 * t - 0.00163 * t * t)


def obliquity_and_nutation(tables, t):
    """Mean obliquity and nutation in longitude, degrees."""
    node = mod360(125.04452 - 1934.136261 * t + 0.0020708 * t * t)
    d = mean_elongation_of_the_moon(t)
    m = mean_anomaly_of_the_sun(t)
    mp = mean_anomaly_of_the_moon(t)
    f = mod360(93.27191 + 483202.017538 * t - 0.0036825 * t * t + t ** 3 / 327270.0)
    delta_psi = 0.0
    for kd, km, kmp, kf, kn, s, s_per_century in tables.nutation:
        delta_psi += (s + s_per_century * t) * sind(kd * d + km * m + kmp * mp + kf * f + kn * node)
    epsilon = (84381.448 - 46.815 * t - 0.00059 * t * t + 0.001813 * t ** 3) / 3600.0
    return epsilon, delta_psi * 0.0001 / 3600.0


def equatorial(tables, t, longitude, latitude):
    """Adds the nutation in longitude; right ascension and declination, both in [0, 360)."""
    epsilon, delta_psi = obliquity_and_nutation(tables, t)
    lam = mod360(longitude + delta_psi)
    ra = mod360(atan2d(sind(lam) * cosd(epsilon) - tand(latitude) * sind(epsilon), cosd(lam)))
    dec = mod360(asind(sind(latitude) * cosd(epsilon) + cosd(latitude) * sind(epsilon) * sind(lam)))
    return lam, ra, dec


def sun(tables, t):
    e = 0.016708617 - 0.000042037 * t - 0.0000001236 * t * t
    m = 357.5291 + 35999.0503 * t - 0.0001559 * t * t - 0.00000048 * t ** 3
    c = ((1.9146 - 0.004817 * t - 0.000014 * t * t) * sind(m)
         + (0.019993 - 0.000101 * t) * sind(2 * m) + 0.00029 * sind(3 * m))
    l0 = 280.46645 + 36000.76983 * t + 0.0003032 * t * t
    true_longitude = mod360(l0 + c)
    radius_au = 1.000001018 * (1 - e * e) / (1 + e * cosd(m + c))
    radius_km = radius_au * 149597869.0
    node = 125.04452 - 1934.136261 * t + 0.0020708 * t * t
    lam = true_longitude - 0.00569 - 0.00478 * sind(node)
    lam = mod360(lam - 0.005691611111111111 / (radius_km / 149597869.0))
    longitude, ra, dec = equatorial(tables, t, lam, 0.0)
    return {"latitude": 0.0, "longitude": longitude, "radius": radius_km, "ra": ra, "dec": dec}


def moon(tables, t):
    d = mean_elongation_of_the_moon(t)
    m = mean_anomaly_of_the_sun(t)
    mp = mean_anomaly_of_the_moon(t)
    f = 93.2720993 + 483202.0175273 * t - 0.0034029 * t * t
    e = 1 - 0.002516 * t - 0.0000074 * t * t
    lp = 218.3164591 + 481267.88134236 * t - 0.0013268 * t * t
    a1 = 119.75 + 131.849 * t
    a2 = 53.09 + 479264.29 * t
    a3 = 313.45 + 481266.484 * t

    def weight(km):
        return {0: 1.0, 1: e, 2: e * e}[abs(km)]

    sum_l = sum_r = sum_b = 0.0
    for kd, km, kmp, kf, sigma_l, sigma_r in tables.moon_lr:
        argument = kd * d + km * m + kmp * mp + kf * f
        sum_r += sigma_r * weight(km) * cosd(argument)
        sum_l += sigma_l * weight(km) * sind(argument)
    for kd, km, kmp, kf, sigma_b in tables.moon_b:
        sum_b += sigma_b * weight(km) * sind(kd * d + km * m + kmp * mp + kf * f)
    sum_l += 3958 * sind(a1) + 1962 * sind(lp - f) + 318 * sind(a2)
    sum_b += (-2235 * sind(lp) + 382 * sind(a3) + 175 * sind(a1 - f) + 175 * sind(a1 + f)
              + 127 * sind(lp - mp) - 115 * sind(lp + mp))
    latitude = mod360(sum_b / 1e6)
    longitude, ra, dec = equatorial(tables, t, mod360(lp + sum_l / 1e6), latitude)
    return {"latitude": latitude, "longitude": longitude, "radius": sum_r / 1000 + 385000.56,
            "ra": ra, "dec": dec}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data_folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "..", "shared", "data")
    tables = Tables(data_folder)
    for (year, month, day, hour, minute), what in MOMENTS:
        jd = julian_date(year, month, day, hour, minute)
        t = (jd - 2451545.0) / 36525.0
        for body, position in (("Sun", sun(tables, t)), ("Moon", moon(tables, t))):
            print("    {{%d, %d, %d, %d, %d}, %.9f, Ephemeris::%s, %.9f, %.9f, %.6f, %.9f, %.9f},%s"
                  % (year, month, day, hour, minute, jd, body, position["latitude"],
                     position["longitude"], position["radius"], position["ra"], position["dec"],
                     "  // " + what if what else ""))


if __name__ == "__main__":
    main()
