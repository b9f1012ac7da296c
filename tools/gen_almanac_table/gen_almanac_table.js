#!/usr/bin/env node
// Generates, from the npm package lunar-javascript (pinned in package-lock.json beside this file):
//   content/almanac/month-table.txt   the 吉神, 凶神, 宜 and 忌 of every (节 month branch, day 干支) pair;
//   content/almanac/solar-terms.txt   the moment (UTC+8) of each of the 3,600 solar terms of 1901-2050;
//   content/almanac/holidays.txt      the mainland's public holidays and make-up workdays (HolidayUtil),
//                                     cross-checked with the npm package chinese-days (pinned too) and
//                                     settled by content/almanac/holiday-corrections.txt where they differ;
// and the two packages' licence notices beside them (LICENSE.lunar-javascript, LICENSE.chinese-days).
//
//   npm ci --prefix tools/gen_almanac_table          # once: installs the pinned package
//   node tools/gen_almanac_table/gen_almanac_table.js               # writes the files
//   node tools/gen_almanac_table/gen_almanac_table.js --check       # exits 1 when one differs
//   node tools/gen_almanac_table/gen_almanac_table.js --check-table     # the month table only
//   node tools/gen_almanac_table/gen_almanac_table.js --check-terms     # the solar-term moments only
//   node tools/gen_almanac_table/gen_almanac_table.js --check-holidays  # the holidays only
//   node tools/gen_almanac_table/gen_almanac_table.js --holiday-report  # how the two holiday sources compared
//   node tools/gen_almanac_table/gen_almanac_table.js --days        # per-day lists on stdout
//   node tools/gen_almanac_table/gen_almanac_table.js --compare-db build/bin/QorvFile.dll
//   build/tools/calendar_days/calendar_days > days.txt
//   node tools/gen_almanac_table/gen_almanac_table.js --compare-calendar days.txt
//
// The walk runs over every day from 1901-01-01 to 2050-12-31 through the public Solar/Lunar API:
// the month branch of the library's default month reckoning (the month changes on the day of
// its 节), the day 干支, and getDayJiShen, getDayXiongSha, getDayYi and getDayJi. Every pair must
// give the same four lists on every day it occurs; the walk stops at the first day that does not.
// --compare-db reads the built huangdao table (with the sqlite3 shell) and compares each day's
// four lists, and the pillars of its 岁次, with what the library says of that day.
// --compare-calendar reads the core's lunar date code and solar term of every day (the output of
// calendar_days) and compares them with the library's lunar month and day and getJieQi; then the
// term moment and the holiday status that calendar_days prints with the committed tables, and each
// moment with the day the core labels with its term.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const path = require('path');
const { HolidayUtil, Solar } = require('lunar-javascript');
const chineseDays = require('chinese-days');

const PACKAGE = 'lunar-javascript';
const PINNED_VERSION = '1.7.7';
const SECOND_PACKAGE = 'chinese-days';
const SECOND_PINNED_VERSION = '1.5.7';
const ROOT = path.resolve(__dirname, '..', '..');
const ALMANAC_DIR = path.join(ROOT, 'content', 'almanac');
const TABLE = path.join(ALMANAC_DIR, 'month-table.txt');
const NOTICE = path.join(ALMANAC_DIR, 'LICENSE.lunar-javascript');
const TERMS = path.join(ALMANAC_DIR, 'solar-terms.txt');
const HOLIDAYS = path.join(ALMANAC_DIR, 'holidays.txt');
const CORRECTIONS = path.join(ALMANAC_DIR, 'holiday-corrections.txt');
const SECOND_NOTICE = path.join(ALMANAC_DIR, 'LICENSE.chinese-days');

// 正月 is 寅: the rows run from the 寅 month to the 丑 month, each through the sixty days.
const STEMS = [...'甲乙丙丁戊己庚辛壬癸'];
const BRANCHES = [...'子丑寅卯辰巳午未申酉戌亥'];
const MONTH_BRANCHES = [...'寅卯辰巳午未申酉戌亥子丑'];
const CYCLE = Array.from({ length: 60 }, (_, n) => STEMS[n % 10] + BRANCHES[n % 12]);

function fail(message) {
    process.stderr.write(`gen_almanac_table: ${message}\n`);
    process.exit(1);
}

function packageInfo(name = PACKAGE, pinned = PINNED_VERSION) {
    const dir = path.dirname(require.resolve(`${name}/package.json`));
    const info = JSON.parse(fs.readFileSync(path.join(dir, 'package.json'), 'utf8'));
    if (info.version !== pinned)
        fail(`${name} ${info.version} is installed, ${pinned} is pinned: run npm ci in ${__dirname}`);
    const licence = fs.readFileSync(path.join(dir, 'LICENSE'), 'utf8');
    const copyright = licence.split('\n').find((line) => line.startsWith('Copyright'));
    if (!copyright)
        fail(`no copyright line in ${name}'s LICENSE`);
    return { name, version: info.version, license: info.license, licence, copyright: copyright.trim() };
}

// Calls visit(date, lunar) for every day of the span, in order.
function eachDay(visit) {
    let solar = Solar.fromYmd(1901, 1, 1);
    for (;;) {
        visit(solar.toYmd(), solar.getLunar());
        if (solar.toYmd() === '2050-12-31')
            return;
        solar = solar.next(1);
    }
}

function listsOf(lunar) {
    return [lunar.getDayJiShen(), lunar.getDayXiongSha(), lunar.getDayYi(), lunar.getDayJi()];
}

function checkItems(lists, where) {
    for (const list of lists) {
        if (list.length === 0)
            fail(`${where}: an empty list (the library writes 无 for none)`);
        for (const item of list)
            if (typeof item !== 'string' || item === '' || /\s/.test(item))
                fail(`${where}: item ${JSON.stringify(item)} is empty or holds a blank`);
    }
}

// The 720 rows, keyed "寅 甲子", each holding the four lists and the first day it was seen on.
function walkPairs() {
    const pairs = new Map();
    eachDay((date, lunar) => {
        const key = `${lunar.getMonthZhi()} ${lunar.getDayInGanZhi()}`;
        const lists = listsOf(lunar);
        checkItems(lists, `${date} (${key})`);
        const text = JSON.stringify(lists);
        const known = pairs.get(key);
        if (!known) {
            pairs.set(key, { text, lists, first: date });
        } else if (known.text !== text) {
            fail(`${date}: the pair ${key} gives ${text}, but on ${known.first} it gave ${known.text}`);
        }
    });
    return pairs;
}

// The header lines that name the source package and its licence.
function generatedFrom(info, what = '') {
    return [
        `# Generated by tools/gen_almanac_table from the npm package ${info.name} ${info.version}${what}`,
        `# (${info.license} licence, ${info.copyright}; the notice is in LICENSE.${info.name}),`,
    ];
}

function tableText(info, pairs) {
    const lines = [
        '# 月表: the 吉神, 凶神, 宜 and 忌 of a day, by the branch of its 节 month and its day 干支.',
        ...generatedFrom(info),
        '# through its public Solar/Lunar API over every day from 1901-01-01 to 2050-12-31.',
        '# Do not edit by hand: run the generator again.',
        '# One row per pair, 720 rows: month branch (寅 for 正月 ... 丑 for 十二月), day 干支, 吉神, 凶神,',
        '# 宜 and 忌; fields separated by one tab, list items by one blank, in the library\'s order.',
        '# "无" is the library\'s word for none.',
    ];
    for (const month of MONTH_BRANCHES) {
        for (const day of CYCLE) {
            const pair = pairs.get(`${month} ${day}`);
            if (!pair)
                fail(`the pair ${month} ${day} never occurs between 1901 and 2050`);
            lines.push([month, day, ...pair.lists.map((list) => list.join(' '))].join('\t'));
        }
    }
    if (pairs.size !== 720)
        fail(`${pairs.size} pairs instead of 720`);
    return lines.join('\n') + '\n';
}

// The 24 terms of a Gregorian year in their order, 小寒 first (the order of the core's SolarTermName).
const TERM_NAMES = [...'小寒大寒立春雨水惊蛰春分清明谷雨立夏小满芒种夏至小暑大暑立秋处暑白露秋分寒露霜降立冬小雪大雪冬至']
    .reduce((names, c, i, all) => (i % 2 ? names : [...names, c + all[i + 1]]), []);

// Every term of the span as [moment "YYYY-MM-DD HH:MM:SS" in UTC+8, name], in order. The library
// names a term on the day its moment falls on (getJieQi), and getCurrentJieQi gives that moment.
function walkTerms() {
    const terms = [];
    eachDay((date, lunar) => {
        const name = lunar.getJieQi();
        if (!name)
            return;
        const moment = lunar.getCurrentJieQi().getSolar().toYmdHms();
        if (!moment.startsWith(date))
            fail(`${date}: the library names ${name} on this day, but gives its moment as ${moment}`);
        terms.push([moment, name]);
    });
    if (terms.length !== 24 * 150)
        fail(`${terms.length} solar terms between 1901 and 2050 instead of 3600`);
    terms.forEach(([moment, name], i) => {
        if (name !== TERM_NAMES[i % 24] || Number(moment.slice(0, 4)) !== 1901 + Math.floor(i / 24))
            fail(`term ${i + 1}: ${moment} ${name}, expected ${TERM_NAMES[i % 24]} of ${1901 + Math.floor(i / 24)}`);
    });
    return terms;
}

function termsText(info, terms) {
    const lines = [
        '# 节气时刻: the moment of each of the 24 solar terms of every year, 1901 to 2050, in Beijing time (UTC+8).',
        ...generatedFrom(info),
        '# through its public Solar/Lunar API (getJieQi, getCurrentJieQi) over every day of the span.',
        '# Do not edit by hand: run the generator again.',
        '# One row per term, 3600 rows, in order (小寒 first in each year): "YYYY-MM-DD HH:MM:SS", a tab, the name.',
    ];
    for (const [moment, name] of terms)
        lines.push(`${moment}\t${name}`);
    return lines.join('\n') + '\n';
}

// Holidays. HolidayUtil lists, per year, every day of a holiday period (its weekend days too) and every
// make-up workday of the State Council's notices; chinese-days lists the same notices, but in some
// years not the weekend days inside a period. The two are compared day by day over chinese-days'
// years; a weekend day that only HolidayUtil lists as a rest day is a rest day by either reading.
// Any other difference must be settled in holiday-corrections.txt, naming the notice.
const FIRST_HOLIDAY_YEAR = 2001;  // HolidayUtil's first make-up days (for 2002's 元旦) lie in 2001
const LAST_HOLIDAY_YEAR = 2026;
const SECOND_FIRST_YEAR = 2004;   // chinese-days starts with 2004

function weekdayOf(date) {
    return Solar.fromYmd(...date.split('-').map(Number)).getWeek();  // 0 = Sunday
}

function libraryHolidays() {
    const days = new Map();
    for (let year = FIRST_HOLIDAY_YEAR; year <= LAST_HOLIDAY_YEAR; ++year)
        for (const holiday of HolidayUtil.getHolidays(year)) {
            const date = holiday.getDay();
            if (days.has(date))
                fail(`${date}: HolidayUtil lists the day twice`);
            days.set(date, { kind: holiday.isWork() ? '班' : '休', name: holiday.getName() });
        }
    if (HolidayUtil.getHolidays(LAST_HOLIDAY_YEAR + 1).length !== 0)
        fail(`HolidayUtil now covers ${LAST_HOLIDAY_YEAR + 1}: move LAST_HOLIDAY_YEAR`);
    return days;
}

// chinese-days' status of a day: 休 or 班 of a holiday (its detail names the holiday after a comma), or ''.
function secondStatus(date) {
    const detail = chineseDays.getDayDetail(date);
    if (!detail.name.includes(','))
        return '';
    return detail.work ? '班' : '休';
}

function readCorrections() {
    const corrections = new Map();
    fs.readFileSync(CORRECTIONS, 'utf8').split('\n').forEach((line, i) => {
        if (line === '' || line.startsWith('#'))
            return;
        const fields = line.split('\t');
        const [date, kind, name, notice] = fields;
        if (fields.length !== 4 || !/^\d{4}-\d\d-\d\d$/.test(date) || !['休', '班', '-'].includes(kind) ||
            (kind === '-') !== (name === '') || !/^国务院办公厅关于\d{4}年部分节假日安排的通知$/.test(notice))
            fail(`${path.relative(ROOT, CORRECTIONS)}:${i + 1}: expected date, 休/班/-, name (empty for -) and the notice`);
        corrections.set(date, kind === '-' ? null : { kind, name });
    });
    return corrections;
}

// The settled holidays, sorted, and what the comparison found.
function settleHolidays() {
    const days = libraryHolidays();
    const corrections = readCorrections();
    const report = { compared: 0, weekendRest: [], settled: [] };
    let solar = Solar.fromYmd(SECOND_FIRST_YEAR, 1, 1);
    for (; solar.getYear() <= LAST_HOLIDAY_YEAR; solar = solar.next(1)) {
        const date = solar.toYmd();
        ++report.compared;
        const mine = days.has(date) ? days.get(date).kind : '';
        const theirs = secondStatus(date);
        if (mine === theirs) {
            if (corrections.has(date))
                fail(`${date}: corrected, but the two sources agree`);
            continue;
        }
        const weekend = solar.getWeek() === 0 || solar.getWeek() === 6;
        if (mine === '休' && theirs === '' && weekend && !corrections.has(date)) {
            report.weekendRest.push(date);
            continue;
        }
        if (!corrections.has(date))
            fail(`${date}: ${PACKAGE} says "${mine}", ${SECOND_PACKAGE} says "${theirs}": settle it in ` +
                 path.relative(ROOT, CORRECTIONS));
        report.settled.push(`${date}: ${PACKAGE} "${mine}", ${SECOND_PACKAGE} "${theirs}"`);
    }
    for (const [date, status] of corrections) {
        if (!report.settled.some((line) => line.startsWith(date)))
            fail(`${date}: corrected, but the sources do not disagree on it`);
        if (status)
            days.set(date, status);
        else
            days.delete(date);
    }
    const sorted = [...days].sort(([a], [b]) => (a < b ? -1 : 1));
    for (const [date, { kind }] of sorted)
        if (kind === '班' && weekdayOf(date) !== 0 && weekdayOf(date) !== 6)
            fail(`${date}: a make-up workday that is not a Saturday or Sunday`);
    return { days: sorted, report };
}

function holidaysText(info, secondInfo, days) {
    const lines = [
        '# 节假日: the public holidays (休, a rest day of a holiday period, its weekend days included) and',
        '# make-up workdays (班) of the mainland, from the State Council notices (国务院办公厅关于YYYY年部分节假日安排的通知).',
        ...generatedFrom(info, '\'s HolidayUtil'),
        `# cross-checked day by day from ${SECOND_FIRST_YEAR} with the npm package ${SECOND_PACKAGE} ${secondInfo.version}`,
        `# (${secondInfo.license} licence, ${secondInfo.copyright}; the notice is in LICENSE.chinese-days);`,
        '# where they differ, holiday-corrections.txt settles the day. Do not edit by hand: run the generator again.',
        `# last year: ${LAST_HOLIDAY_YEAR}`,
        '# One row per day: "YYYY-MM-DD", a tab, 休 or 班, a tab, the holiday\'s name.',
    ];
    for (const [date, { kind, name }] of days)
        lines.push(`${date}\t${kind}\t${name}`);
    return lines.join('\n') + '\n';
}

const OUTPUTS = {
    table: (info) => [[TABLE, tableText(info, walkPairs())], [NOTICE, info.licence]],
    terms: (info) => [[TERMS, termsText(info, walkTerms())]],
    holidays: (info) => {
        const second = packageInfo(SECOND_PACKAGE, SECOND_PINNED_VERSION);
        return [[HOLIDAYS, holidaysText(info, second, settleHolidays().days)], [SECOND_NOTICE, second.licence]];
    },
};

function outputs(parts = Object.keys(OUTPUTS)) {
    const info = packageInfo();
    return parts.flatMap((part) => OUTPUTS[part](info));
}

function firstDifference(a, b) {
    const x = a.split('\n');
    const y = b.split('\n');
    for (let i = 0; i < Math.max(x.length, y.length); ++i)
        if (x[i] !== y[i])
            return `line ${i + 1}: committed ${JSON.stringify(x[i])}, generated ${JSON.stringify(y[i])}`;
    return 'no line differs';
}

function check(parts) {
    let stale = false;
    for (const [file, text] of outputs(parts)) {
        const committed = fs.existsSync(file) ? fs.readFileSync(file, 'utf8') : null;
        if (committed === text)
            continue;
        stale = true;
        const why = committed === null ? 'missing' : firstDifference(committed, text);
        process.stderr.write(`gen_almanac_table: ${path.relative(ROOT, file)} is out of date (${why})\n`);
    }
    if (stale)
        process.exit(1);
    process.stdout.write(`gen_almanac_table: the committed files agree with the libraries${parts ? ` (${parts.join(', ')})` : ''}\n`);
}

function write() {
    for (const [file, text] of outputs()) {
        fs.mkdirSync(path.dirname(file), { recursive: true });
        fs.writeFileSync(file, text);
        process.stdout.write(`wrote ${path.relative(ROOT, file)}\n`);
    }
}

// What the library says of each day: date, year, month and day 干支 (the year changing on the
// day of 立春), then the four lists joined as the database writes them.
function dayRecords(visit) {
    eachDay((date, lunar) => {
        const pillars = [lunar.getYearInGanZhiByLiChun(), lunar.getMonthInGanZhi(), lunar.getDayInGanZhi()];
        visit(date, pillars, listsOf(lunar).map((list) => list.join(' ')));
    });
}

function days() {
    const out = [];
    dayRecords((date, pillars, lists) => out.push([date, ...pillars, ...lists].join('\t')));
    process.stdout.write(out.join('\n') + '\n');
}

// Days on which the program labels a 节 one day before the library does (kTermsLabelledEarlier in
// calendar/SolarTermMoments.h): the library's moments fall minutes after midnight (UTC+8), so the
// month branch, and with it the day's row of the table, differs from the library's on the eve.
const EARLIER_JIE_DAYS = new Map([
    ['1917-12-07', '大雪 1917-12-08 00:00:59'],
    ['1927-09-08', '白露 1927-09-09 00:05:25'],
]);

// Solar terms that the program's table puts one day before the library does, for the same reason.
const EARLIER_TERM_DAYS = new Map([
    ...EARLIER_JIE_DAYS,
    ['1928-06-21', '夏至 1928-06-22 00:06:23'],
]);

// The moment and holiday columns of calendar_days against the committed tables: the core's term of a
// day has the moment of that term of that year, which falls on that day except on EARLIER_TERM_DAYS.
function compareDayColumns(file, core) {
    const committed = (name) => fs.readFileSync(name, 'utf8').split('\n').filter((l) => l && !l.startsWith('#'));
    const moments = new Map(committed(TERMS).map((line) => {
        const [moment, name] = line.split('\t');
        return [`${moment.slice(0, 4)} ${name}`, moment];
    }));
    const holidays = new Map(committed(HOLIDAYS).map((line) => {
        const [date, kind, name] = line.split('\t');
        return [date, `${kind} ${name}`];
    }));
    const problems = [];
    let moved = 0;
    for (const [date, day] of core) {
        const moment = day.term ? moments.get(`${date.slice(0, 4)} ${day.term}`) : undefined;
        const expected = moment ? moment.slice(0, 16) : '';
        if (day.moment !== expected)
            problems.push(`${date}: moment "${day.moment}", committed "${expected}"`);
        if (moment && !moment.startsWith(date)) {
            if (EARLIER_TERM_DAYS.get(date) === `${day.term} ${moment}`)
                ++moved;
            else
                problems.push(`${date}: the core labels ${day.term} here, its moment is ${moment}`);
        }
        if (day.holiday !== (holidays.get(date) || ''))
            problems.push(`${date}: holiday "${day.holiday}", committed "${holidays.get(date) || ''}"`);
    }
    process.stdout.write(`term moments and holidays of ${file} agree with the committed tables; ` +
                         `moments on the day after the labelled one: ${moved}\n`);
    if (problems.length || moved !== EARLIER_TERM_DAYS.size) {
        for (const line of problems.slice(0, 20))
            process.stdout.write(`  differs: ${line}\n`);
        fail(`${file} does not agree with the committed term moments and holidays`);
    }
}

// How the two holiday sources compared.
function holidayReport() {
    const { days, report } = settleHolidays();
    const out = (line) => process.stdout.write(`${line}\n`);
    out(`days ${days.length}; compared ${report.compared} days of ${SECOND_FIRST_YEAR}-${LAST_HOLIDAY_YEAR}`);
    out(`weekend days of a holiday period that only ${PACKAGE} lists: ${report.weekendRest.length}`);
    for (const date of report.weekendRest)
        out(`  ${date}`);
    out(`settled in ${path.relative(ROOT, CORRECTIONS)}: ${report.settled.length}`);
    for (const line of report.settled)
        out(`  ${line}`);
}

function compareCalendar(file) {
    if (!fs.existsSync(file))
        fail(`${file}: no such file`);
    const core = new Map(fs.readFileSync(file, 'utf8').split('\n').filter((line) => line).map((line) => {
        const [date, code, term, moment, holiday] = line.split('\t');
        return [date, { code: Number(code), term: term || '', moment: moment || '', holiday: holiday || '' }];
    }));
    compareDayColumns(file, core);
    const tally = { days: 0, dates: 0, terms: 0 };
    const problems = [];
    const earlier = [];
    let pendingTerm = null;
    eachDay((date, lunar) => {
        ++tally.days;
        const month = lunar.getMonth();
        const code = Math.sign(month) * (Math.abs(month) * 100 + lunar.getDay());
        const term = lunar.getJieQi();
        const mine = core.get(date);
        core.delete(date);
        if (!mine) {
            problems.push(`${date}: missing from ${file}`);
            return;
        }
        if (mine.code === code)
            ++tally.dates;
        else
            problems.push(`${date}: lunar date code ${mine.code}, library ${code}`);
        if (mine.term === term)
            ++tally.terms;
        else if (EARLIER_TERM_DAYS.has(date) && mine.term && !term)
            pendingTerm = { date, term: mine.term };
        else if (pendingTerm && !mine.term && term === pendingTerm.term) {
            earlier.push(`${pendingTerm.date} ${term} (library ${EARLIER_TERM_DAYS.get(pendingTerm.date)})`);
            pendingTerm = null;
        } else
            problems.push(`${date}: solar term "${mine.term}", library "${term}"`);
    });
    const out = (line) => process.stdout.write(`${line}\n`);
    out(`days 1901-01-01..2050-12-31: ${tally.days}; lines outside the span: ${core.size}`);
    out(`the lunar month and day agree with the library: ${tally.dates} days`);
    out(`the solar term (or none) agrees with the library: ${tally.terms} days`);
    for (const line of earlier)
        out(`  term a day earlier: ${line}`);
    for (const line of problems.slice(0, 20))
        out(`  differs: ${line}`);
    if (core.size || problems.length || pendingTerm || earlier.length !== EARLIER_TERM_DAYS.size)
        fail(`the calendar does not agree with ${PACKAGE}`);
}

function compareDb(file) {
    if (!fs.existsSync(file))
        fail(`${file}: no such database`);
    const json = childProcess.execFileSync(
        'sqlite3', ['-readonly', '-json', file, 'SELECT gn, suici, jsyq, xsyq, yi, ji FROM huangdao'],
        { encoding: 'utf8', maxBuffer: 1 << 28 });
    const rows = new Map(JSON.parse(json).map((row) => [row.gn, row]));
    const days = [];
    dayRecords((date, pillars, lists) => days.push({ date, pillars, lists }));
    const pairs = walkPairs();

    const columns = ['jsyq', 'xsyq', 'yi', 'ji'];
    const tally = { table: 0, library: 0, suici: 0, missing: 0 };
    const problems = [];
    const eves = [];
    for (const { date, pillars, lists } of days) {
        const row = rows.get(date);
        rows.delete(date);
        if (!row) {
            ++tally.missing;
            continue;
        }
        const stored = columns.map((c) => row[c]);
        const suici = `${pillars[0]}年 ${pillars[1]}月 ${pillars[2]}日`;
        const sameSuici = row.suici === suici;
        tally.suici += sameSuici;
        // The row of the table for the month branch and day 干支 the database itself shows.
        const shown = /^\S\S年 \S(\S)月 (\S\S)日$/u.exec(row.suici);
        const pair = shown && pairs.get(`${shown[1]} ${shown[2]}`);
        const fromTable = pair ? pair.lists.map((list) => list.join(' ')) : null;
        const agreesWithTable = fromTable !== null && columns.every((_, i) => stored[i] === fromTable[i]);
        const agreesWithLibrary = columns.every((_, i) => stored[i] === lists[i]);
        tally.table += agreesWithTable;
        tally.library += agreesWithLibrary;
        if (!agreesWithTable)
            problems.push(`${date}: the lists are not the table's row for ${row.suici}`);
        if (!agreesWithLibrary || !sameSuici) {
            if (EARLIER_JIE_DAYS.has(date) && !sameSuici && agreesWithTable)
                eves.push(`${date}: database ${row.suici}, library ${suici} (${EARLIER_JIE_DAYS.get(date)})`);
            else
                problems.push(`${date}: database ${JSON.stringify([row.suici, ...stored])}, ` +
                              `library ${JSON.stringify([suici, ...lists])}`);
        }
    }
    const out = (line) => process.stdout.write(`${line}\n`);
    out(`days 1901-01-01..2050-12-31: ${days.length}; missing from the database: ${tally.missing}; ` +
        `rows outside the span: ${rows.size}`);
    out(`the four lists are the table's row for the day's month branch and day 干支: ${tally.table} days`);
    out(`the four lists are the library's lists of that day: ${tally.library} days`);
    out(`岁次 agrees with the library's year (by 立春), month and day 干支: ${tally.suici} days`);
    for (const line of eves)
        out(`  节 a day earlier: ${line}`);
    for (const line of problems.slice(0, 20))
        out(`  differs: ${line}`);
    if (tally.missing || rows.size || problems.length || eves.length !== EARLIER_JIE_DAYS.size)
        fail(`the database does not agree with ${PACKAGE}`);
}

const args = process.argv.slice(2);
if (args.length === 0)
    write();
else if (args.length === 1 && args[0] === '--check')
    check();
else if (args.length === 1 && args[0] === '--check-table')
    check(['table']);
else if (args.length === 1 && args[0] === '--check-terms')
    check(['terms']);
else if (args.length === 1 && args[0] === '--check-holidays')
    check(['holidays']);
else if (args.length === 1 && args[0] === '--holiday-report')
    holidayReport();
else if (args.length === 1 && args[0] === '--days')
    days();
else if (args.length === 2 && args[0] === '--compare-db')
    compareDb(args[1]);
else if (args.length === 2 && args[0] === '--compare-calendar')
    compareCalendar(args[1]);
else
    fail('usage: gen_almanac_table.js [--check | --check-table | --check-terms | --check-holidays | --holiday-report | --days | --compare-db QorvFile.dll | --compare-calendar FILE]');
