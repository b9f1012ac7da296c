#!/usr/bin/env bash
# An export of 2026-2027 read by a real calendar client and a second parser: Debian's khal imports it
# headless into a scratch configuration, and Debian's python3-icalendar parses it. Run by .ci/run
# after scripts/install-deps --ics.
#   tests/calendar/ics-clients.sh build/bin/orlenvo
set -euo pipefail
orlenvo=${1:?usage: ics-clients.sh path/to/orlenvo}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
file=$scratch/orlenvo-2026-2027.ics

# No display and no stored holidays: the built-in table.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$scratch/data" \
  "$orlenvo" --export-ics "$file" --from 2026 --to 2027 --good-days 嫁娶:鼠 \
  --lunar-anniversary 08-15:中秋团圆 --lunar-anniversary 12-30:腊月三十

# python3-icalendar (Debian's, not a virtual environment's).
/usr/bin/python3 - "$file" <<'PY'
import sys
import icalendar
with open(sys.argv[1], 'rb') as f:
    cal = icalendar.Calendar.from_ical(f.read())
events = [c for c in cal.walk('VEVENT')]
assert str(cal['X-WR-CALNAME']) == 'Orlenvo 2026-2027', cal['X-WR-CALNAME']
uids = {str(e['UID']) for e in events}
assert len(uids) == len(events), 'UIDs repeat'
assert all(str(e['TRANSP']) == 'TRANSPARENT' for e in events)
by = {(str(e['SUMMARY']), e['DTSTART'].dt.isoformat()) for e in events}
for summary, start in [('国庆节(休)', '2026-10-01'), ('国庆节(班)', '2026-10-10'), ('中秋团圆', '2026-09-25'),
                       ('立春', '2026-02-03T20:02:00+00:00'), ('腊月三十', '2027-02-05')]:
    assert (summary, start) in by, (summary, start)
terms = [e for e in events if str(e['UID']).startswith('term-')]
assert len(terms) == 48, len(terms)
print(f'python3-icalendar {icalendar.__version__}: {len(events)} events parsed')
PY

# khal: a scratch configuration and database; the import must not fail, and the days read back.
mkdir -p "$scratch/cal"
cat > "$scratch/khal.conf" <<CONF
[calendars]
[[orlenvo]]
path = $scratch/cal
type = calendar
[sqlite]
path = $scratch/khal.db
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = Asia/Shanghai
default_timezone = Asia/Shanghai
[default]
default_calendar = orlenvo
CONF
khal=(env HOME="$scratch" khal -c "$scratch/khal.conf")
"${khal[@]}" import --batch -a orlenvo "$file" 2>"$scratch/import.err"
if [ -s "$scratch/import.err" ]; then
  cat "$scratch/import.err" >&2
  echo "ics-clients: khal reported problems importing the export" >&2
  exit 1
fi
imported=$(ls "$scratch/cal" | wc -l)
expected=$(grep -c '^BEGIN:VEVENT' "$file")
[ "$imported" -eq "$expected" ] || { echo "ics-clients: khal stored $imported of $expected events" >&2; exit 1; }
day=$("${khal[@]}" list 2026-10-01 1d)
grep -q '国庆节(休)' <<<"$day" || { echo "ics-clients: khal lists no 国庆节(休) on 2026-10-01: $day" >&2; exit 1; }
term=$("${khal[@]}" list 2026-02-04 1d)
grep -q '^04:02.*立春' <<<"$term" || { echo "ics-clients: khal lists no 立春 at 04:02 Beijing time: $term" >&2; exit 1; }
echo "khal $(khal --version | awk '{print $NF}'): imported $imported events"
