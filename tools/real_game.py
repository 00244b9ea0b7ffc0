"""The real program started as a player would, in a home folder of its own, and the settings file
it leaves judged by what it must contain. Shared by tools/kill-check and tools/full-disk-check."""
import os, time

# Only a program that is stuck takes this long, however loaded the machine.
STUCK = 180
SETTINGS_KEYS = ["Sol Bosluk", "Ust Bosluk", "Son Bolme", "Son Fotograf", "Ornek Goster", "Oyunu Kaydet", "Sesleri Kapat"]
CLOCK_KEYS = ["Saniye Bilgisi", "Dakika Bilgisi", "Saat Bilgisi", "Hamle Bilgisi"]


def settings(program, n, padding=0, clock=0):
    """A settings file with a game in progress on an n x n board, one slide from the deal, its
    clock at `clock` seconds; `padding` bytes of a foreign section make its write long."""
    photo = os.path.join(os.path.dirname(program), "Sample-2.jpg")
    lines = ["[Ayarlar]", "Sol Bosluk=1500", "Ust Bosluk=1500", f"Son Bolme={n - 3}", "Son Fotograf=" + photo,
             "Ornek Goster=1", "Oyunu Kaydet=1", "Sesleri Kapat=0", "", "[Oyun]"]
    tags = list(range(n * n))
    tags[0], tags[1], tags[2] = tags[1], tags[2], tags[0]
    lines += [f"Foto-{p}={p}B" if p == n * n - 1 else f"Foto-{p}={tags[p]}" for p in range(n * n)]
    lines += ["", "[Oyun\\Bilgiler]", f"Saniye Bilgisi={clock % 60}", f"Dakika Bilgisi={clock // 60 % 60}",
              f"Saat Bilgisi={clock // 3600}", "Hamle Bilgisi=5"]
    if padding:
        lines += ["", "[Notlar]", "Uzun=" + "x" * padding]
    return ("\n".join(lines) + "\n").encode()


def sections(data):
    """The file's sections, or None when a line is neither a section nor a key."""
    result, current = {}, None
    for line in data.decode().split("\n"):
        if line.startswith("[") and line.endswith("]"):
            current = result.setdefault(line[1:-1], {})
        elif line and current is not None and "=" in line:
            key, _, value = line.partition("=")
            current[key] = value
        elif line:
            return None
    return result


def _clock(section):
    return int(section["Saat Bilgisi"]) * 3600 + int(section["Dakika Bilgisi"]) * 60 + int(section["Saniye Bilgisi"])


def whole_settings(data):
    """Every setting a close writes, whatever their values."""
    try:
        found = sections(data)
        return found is not None and list(found.get("Ayarlar", {})) == SETTINGS_KEYS
    except UnicodeDecodeError:
        return False


def whole_new(data, old):
    """Every section the close writes, the game of `old`, its clock not behind the stored one."""
    try:
        new, was = sections(data), sections(old)
        if new is None or set(new) != set(was):
            return False
        ayarlar, bilgiler = new["Ayarlar"], new["Oyun\\Bilgiler"]
        return (list(ayarlar) == SETTINGS_KEYS
                and all(ayarlar[k] == was["Ayarlar"][k] for k in SETTINGS_KEYS[2:])
                and new["Oyun"] == was["Oyun"] and list(bilgiler) == CLOCK_KEYS
                and bilgiler["Hamle Bilgisi"] == was["Oyun\\Bilgiler"]["Hamle Bilgisi"]
                and _clock(bilgiler) >= _clock(was["Oyun\\Bilgiler"])
                and new.get("Notlar") == was.get("Notlar"))
    except (KeyError, ValueError, UnicodeDecodeError):
        return False


def environment(home, runtime, ready):
    """The environment of a start in `home`: its own settings, data, cache and runtime folders,
    headless where there is no display, and the file the program makes once its window runs."""
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_RUNTIME_DIR=runtime,
               XDG_CACHE_HOME=f"{home}/cache", XDG_DATA_HOME=f"{home}/data", TILORA_READY_FILE=ready)
    if not (env.get("DISPLAY") or env.get("WAYLAND_DISPLAY")):  # a real window where there is a display
        env["QT_QPA_PLATFORM"] = "offscreen"
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    return env


def settings_path(home):
    return f"{home}/config/Orvane/Velbor-Eng.ini"


def wait_for(condition, game):
    """Waits until `condition` holds; False when the game ends or sticks first."""
    deadline = time.monotonic() + STUCK
    while not condition():
        if game.poll() is not None or time.monotonic() > deadline:
            return False
        time.sleep(0.005)
    return True
