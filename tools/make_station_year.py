#!/usr/bin/env python3
"""Writes resources/examples/station-year.txt: one year of hourly observations (8760 rows) of a
made-up lowland station in the middle latitudes (52° 10' N, 21° E, 100 m), for trying Salvento and
for its benchmarks.

    python3 tools/make_station_year.py            # writes the file beside the other examples

The numbers come from a small climate model, not from measurements:
- air temperature: a seasonal cycle (-2 °C in January, 19 °C in July), a daily cycle whose range is
  larger in summer and smaller under cloud, and weather-scale anomalies (a slowly varying random
  process with a standard deviation of about 4 K in winter and 2 K in summer);
- cloudiness: a slowly varying random process turned into octas, cloudier in winter; 9 (sky
  obscured) in fog;
- precipitation: steady rain under an overcast sky, and afternoon showers in the warm half year;
- humidity: a relative humidity high at night and in winter, lower on summer afternoons, turned
  into the dew point td by the Magnus formula;
- wind at 10 m (v10m): a random process around a seasonal mean (stronger in winter and in the
  afternoon); at the height of a person v = 0.667·v10m;
- pressure: 1013 hPa with weather-scale anomalies;
- direct (Kdir) and diffuse (Kdif) solar radiation on a horizontal surface from the clear-sky
  radiation the sun height allows, dimmed by the cloud;
- the day's tmax and tmin (taken from the hourly temperatures), its precipitation total prec (mm)
  and the snow cover (cm) at 6 UTC are repeated in every row of the day;
- visibility vis (m) falls with humidity, precipitation and fog.

The generator is seeded, so the file is the same at every run.
"""

import math
import os
import random

LATITUDE = 52.10          # written as degrees.minutes: 52° 10'
LAT_DEGREES = 52 + 10 / 60
STATION = "Nizinna Stacja Przykładowa"
DAYS_BEFORE = [0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334]
HEADER = ["station", "month", "day", "hour", "min", "lat", "t", "td", "N8", "v", "v10m", "p",
          "Kdir", "Kdif", "tmax", "tmin", "prec", "snow", "vis"]


class Wander:
    """A slowly varying random process (first-order autoregressive) with a given standard
    deviation and time scale in hours."""

    def __init__(self, rng, sigma, hours):
        self.rng = rng
        self.keep = math.exp(-1 / hours)
        self.noise = sigma * math.sqrt(1 - self.keep ** 2)
        self.value = rng.gauss(0, sigma)

    def step(self):
        self.value = self.keep * self.value + self.rng.gauss(0, self.noise)
        return self.value


def month_and_day(day_of_year):
    month = max(m for m in range(12) if DAYS_BEFORE[m] <= day_of_year)
    return month + 1, day_of_year - DAYS_BEFORE[month] + 1


def sun_sine(day_of_year, hour):
    """Sine of the sun height at the middle of the hour (local mean time near 21° E)."""
    declination = math.radians(23.44) * math.sin(2 * math.pi * (day_of_year - 80) / 365)
    hour_angle = math.radians(15 * (hour + 0.5 - 12))
    lat = math.radians(LAT_DEGREES)
    return (math.sin(lat) * math.sin(declination)
            + math.cos(lat) * math.cos(declination) * math.cos(hour_angle))


def dew_point(t, f):
    """Magnus formula over water."""
    gamma = math.log(f / 100) + 17.62 * t / (243.12 + t)
    return 243.12 * gamma / (17.62 - gamma)


def fixed(value, decimals):
    """The value with this many decimals; a negative value that rounds to zero is written 0.0."""
    text = "%.*f" % (decimals, value)
    return text[1:] if text.startswith("-") and float(text) == 0 else text


def main():
    rng = random.Random(20240101)
    anomaly = Wander(rng, 3.5, 60)
    cloud = Wander(rng, 1.0, 30)
    wind = Wander(rng, 0.35, 20)
    pressure = Wander(rng, 8.0, 80)
    moisture = Wander(rng, 6.0, 40)

    rows = []
    snow_cover = 0.0
    for day_of_year in range(365):
        season = math.cos(2 * math.pi * (day_of_year - 15) / 365)   # 1 in mid-January, -1 in July
        month, day = month_and_day(day_of_year)
        hours = []
        day_precipitation = 0.0
        for hour in range(24):
            sky = cloud.step() + 0.35 * season
            octas = min(8, max(0, round(4 + 3 * sky)))
            mean = 8.5 - 10.5 * season + (0.8 + 0.3 * season) * anomaly.step()
            daily_range = (9 - 4 * season) * (1 - 0.06 * octas)
            t = mean + daily_range / 2 * math.cos(2 * math.pi * (hour - 15) / 24)

            f = 70 + 7 * season - 13 * math.cos(2 * math.pi * (hour - 15) / 24) * (1 - 0.05 * octas)
            f += 1.3 * octas + moisture.step()
            f = min(100.0, max(25.0, f))
            showers = season < 0 and 12 <= hour <= 19 and octas >= 5
            raining = (octas >= 7 and rng.random() < 0.15) or (showers and rng.random() < 0.06)
            if raining:
                day_precipitation += rng.expovariate(1 / (3.0 if showers else 1.0))
                f = max(f, 93.0)
            foggy = f >= 99 and octas >= 6
            td = dew_point(t, f)

            v10 = max(0.0, (4.2 + 1.0 * season + 1.2 * math.sin(2 * math.pi * (hour - 9) / 24))
                      * math.exp(wind.step()) * (0.6 if foggy else 1))
            v = 0.667 * v10

            s = sun_sine(day_of_year, hour)
            if s > 0:
                clear_beam = 1100 * s * 0.72 ** (1 / max(s, 0.05))
                clear_diffuse = 90 * s ** 0.6
                cover = octas / 8
                k_dir = clear_beam * (1 - 0.95 * cover ** 2.5)
                k_dif = clear_diffuse * (1 + 2.2 * cover) * (0.6 if cover == 1 else 1)
            else:
                k_dir = k_dif = 0.0

            if foggy:
                vis = rng.uniform(150, 900)
                octas = 9
            else:
                vis = 45000 - 300 * f - (12000 if raining else 0) + rng.uniform(-3000, 3000)
                vis = max(2000.0, vis)

            hours.append({"month": month, "day": day, "hour": hour, "t": t, "td": td, "N8": octas,
                          "v": v, "v10m": v10, "p": 1013 + pressure.step() - 3 * (octas / 8),
                          "Kdir": k_dir, "Kdif": k_dif, "vis": vis})

        t_max = max(h["t"] for h in hours)
        t_min = min(h["t"] for h in hours)
        if t_max < 0.5 and day_precipitation > 0:
            snow_cover += day_precipitation * 1.2
        snow_cover = max(0.0, snow_cover - max(0.0, t_max) * 1.5)
        for h in hours:
            rows.append([STATION, "%d" % h["month"], "%d" % h["day"], "%d" % h["hour"], "0",
                         fixed(LATITUDE, 2), fixed(h["t"], 1), fixed(h["td"], 1), "%d" % h["N8"],
                         fixed(h["v"], 1), fixed(h["v10m"], 1), fixed(h["p"], 1), fixed(h["Kdir"], 0),
                         fixed(h["Kdif"], 0), fixed(t_max, 1), fixed(t_min, 1),
                         "%d" % round(day_precipitation), "%d" % round(snow_cover),
                         fixed(h["vis"], 0)])

    path = os.path.join(os.path.dirname(__file__), "..", "resources", "examples", "station-year.txt")
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write("\r\n".join("\t".join(row) for row in [HEADER] + rows) + "\r\n")


if __name__ == "__main__":
    main()
