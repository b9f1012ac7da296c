#!/usr/bin/env node
// Generates content/almanac/day-page.txt, the rules of the day page (calendar/DayPage.h), from the npm
// package lunar-javascript (pinned in package-lock.json beside this file) through its public Solar/Lunar
// API, and cross-checks every field with the npm package tyme4ts (pinned too), a separate code base:
//   值神    the twelve spirits in order, each 黄道 or 黑道, and the branch 青龙 falls on in each month
//           (by the branch of the day's 节 month) and in each hour (by the day's branch);
//   五鼠遁  the 干支 of the 子 hour of a day by the day's stem;
//   方位    the directions of 喜神, 福神, 财神, 阳贵神 and 阴贵神 by the day's stem;
//   宿      the 28 mansions in order, each 吉 or 凶, and one date's mansion: they follow day by day.
//
//   npm ci --prefix tools/gen_almanac_table
//   node tools/gen_almanac_table/gen_day_page.js                  # writes the table
//   node tools/gen_almanac_table/gen_day_page.js --check          # exits 1 when it differs
//   node tools/gen_almanac_table/gen_day_page.js --cross-check    # how the two packages compared, field by field
//   build/tools/almanac_days/almanac_days > days.txt
//   node tools/gen_almanac_table/gen_day_page.js --compare-days days.txt   # every day against lunar-javascript
//
// The day fields come from every day of 1901-01-01 ... 2050-12-31; the hours, whose library calls are
// slow (a few ms a day), from every 7th day (7 and 60 are coprime, so every day 干支 of every part of
// the span is met) and, in --compare-days, from every day. Every rule must hold on every day walked;
// the walk stops at the first that breaks one.
'use strict';

const fs = require('fs');
const path = require('path');
const { Solar } = require('lunar-javascript');
const tyme = require('tyme4ts');

const PACKAGE = 'lunar-javascript';
const PINNED_VERSION = '1.7.7';
const SECOND_PACKAGE = 'tyme4ts';
const SECOND_PINNED_VERSION = '1.5.2';
const ROOT = path.resolve(__dirname, '..', '..');
const ALMANAC_DIR = path.join(ROOT, 'content', 'almanac');
const TABLE = path.join(ALMANAC_DIR, 'day-page.txt');
const SECOND_NOTICE = path.join(ALMANAC_DIR, 'LICENSE.tyme4ts');

const STEMS = [...'甲乙丙丁戊己庚辛壬癸'];
const BRANCHES = [...'子丑寅卯辰巳午未申酉戌亥'];
const DIRECTIONS = ['正北', '东北', '正东', '东南', '正南', '西南', '正西', '西北'];
// tyme4ts names the four cardinal directions with one character.
const FULL_DIRECTION = { 北: '正北', 南: '正南', 东: '正东', 西: '正西', 东北: '东北', 东南: '东南', 西北: '西北', 西南: '西南' };
const SPIRITS = ['喜神', '福神', '财神', '阳贵神', '阴贵神'];
const HOUR_STEP = 7;
const FIRST = '1901-01-01';
const LAST = '2050-12-31';

// Days on which the calendar labels a 节 one day before lunar-javascript's moment (it falls minutes after
// midnight, UTC+8): the calendar, the almanac rows and the day page reckon the day in the new month, as
// tyme4ts does; lunar-javascript in the old one. The same two days as in gen_almanac_table.js.
const EARLIER_JIE_DAYS = new Map([
    ['1917-12-07', { jie: '大雪 1917-12-08 00:00:59', month: '子' }],
    ['1927-09-08', { jie: '白露 1927-09-09 00:05:25', month: '酉' }],
]);

function fail(message) {
    process.stderr.write(`gen_day_page: ${message}\n`);
    process.exit(1);
}

function packageInfo(name, pinned) {
    // The package folder beside this script (tyme4ts exports no package.json).
    const dir = path.join(__dirname, 'node_modules', name);
    const info = JSON.parse(fs.readFileSync(path.join(dir, 'package.json'), 'utf8'));
    if (info.version !== pinned)
        fail(`${name} ${info.version} is installed, ${pinned} is pinned: run npm ci in ${__dirname}`);
    const licence = fs.readFileSync(path.join(dir, 'LICENSE'), 'utf8');
    const copyright = licence.split('\n').find((line) => /^\s*Copyright/.test(line));
    if (!copyright)
        fail(`no copyright line in ${name}'s LICENSE`);
    return { name, version: info.version, license: info.license, licence, copyright: copyright.trim() };
}

// Calls visit(solar, index) for every day of the span, in order.
function eachDay(visit) {
    let solar = Solar.fromYmd(1901, 1, 1);
    for (let index = 0; ; ++index) {
        visit(solar, index);
        if (solar.toYmd() === LAST)
            return;
        solar = solar.next(1);
    }
}

// What lunar-javascript says of a day.
function libraryDay(solar) {
    const lunar = solar.getLunar();
    return {
        date: solar.toYmd(),
        month: lunar.getMonthZhi(),
        stem: lunar.getDayGan(),
        branch: lunar.getDayZhi(),
        god: lunar.getDayTianShen(),
        path: lunar.getDayTianShenType(),
        luck: lunar.getDayTianShenLuck(),
        mansion: lunar.getXiu(),
        mansionLuck: lunar.getXiuLuck(),
        directions: [lunar.getDayPositionXiDesc(), lunar.getDayPositionFuDesc(), lunar.getDayPositionCaiDesc(),
                     lunar.getDayPositionYangGuiDesc(), lunar.getDayPositionYinGuiDesc()],
        otherFu: lunar.getDayPositionFuDesc(1),
    };
}

// lunar-javascript's thirteen hours of a day: 00:30, 01:30, 03:30 ... 21:30, 23:30, each through the
// Lunar of that moment.
function libraryHours(solar) {
    const hours = [];
    for (const hour of [0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23]) {
        const lunar = Solar.fromYmdHms(solar.getYear(), solar.getMonth(), solar.getDay(), hour, 30, 0).getLunar();
        hours.push({
            cycle: lunar.getTimeInGanZhi(),
            god: lunar.getTimeTianShen(),
            path: lunar.getTimeTianShenType(),
            luck: lunar.getTimeTianShenLuck(),
            clash: lunar.getTimeChongDesc(),
            sha: lunar.getTimeSha(),
        });
    }
    return hours;
}

// What tyme4ts says of a day; with hours, its twelve hours (子 first, begun at 23:00 the evening before
// by its reckoning, the same 干支 and 值神) and the first of the next day's, the 晚子.
function secondDay(solar, withHours) {
    const day = tyme.SolarDay.fromYmd(solar.getYear(), solar.getMonth(), solar.getDay()).getSixtyCycleDay();
    const star = day.getTwelveStar();
    const stem = day.getSixtyCycle().getHeavenStem();
    const result = {
        month: day.getMonth().getEarthBranch().getName(),
        stem: stem.getName(),
        branch: day.getSixtyCycle().getEarthBranch().getName(),
        god: star.getName(),
        path: star.getEcliptic().getName(),
        luck: star.getEcliptic().getLuck().getName(),
        mansion: day.getTwentyEightStar().getName(),
        mansionLuck: day.getTwentyEightStar().getLuck().getName(),
        directions: [stem.getJoyDirection(), stem.getMascotDirection(), stem.getWealthDirection(),
                     stem.getYangDirection(), stem.getYinDirection()].map((d) => FULL_DIRECTION[d.getName()]),
    };
    if (withHours) {
        const hourOf = (h) => {
            const cycle = h.getSixtyCycle();
            const branch = cycle.getEarthBranch();
            return {
                cycle: cycle.getName(),
                god: h.getTwelveStar().getName(),
                path: h.getTwelveStar().getEcliptic().getName(),
                luck: h.getTwelveStar().getEcliptic().getLuck().getName(),
                clashBranch: branch.getOpposite().getName(),
                sha: branch.getOminous().getName(),
            };
        };
        result.hours = [...day.getHours().map(hourOf), hourOf(day.next(1).getHours()[0])];
    }
    return result;
}

// The clash of a 干支 as the core writes it (calendar/Almanac.cpp ClashText): the branch opposite, the
// stem four on, and the 煞 by the branch's 三合 group.
function clashOf(cycle) {
    const stem = STEMS[(STEMS.indexOf(cycle[0]) + 4) % 10];
    const branch = BRANCHES[(BRANCHES.indexOf(cycle[1]) + 6) % 12];
    return { text: `(${stem}${branch})`, branch, sha: ['南', '东', '北', '西'][BRANCHES.indexOf(cycle[1]) % 4] };
}

// Records one value under a key and fails when the key already holds another.
function settle(map, key, value, where) {
    const known = map.get(key);
    if (known === undefined)
        map.set(key, { value, where });
    else if (known.value !== value)
        fail(`${where}: ${key} gives ${value}, but on ${known.where} it gave ${known.value}`);
}

// Walks the span and derives the rules, checking each on every day walked.
function deriveRules() {
    const dayGods = new Map();   // "寅 子" -> 青龙
    const hourGods = new Map();  // "子 子" (day branch, hour branch) -> 值神
    const paths = new Map();     // 青龙 -> 黄道
    const ratHours = new Map();  // 甲 -> 甲子
    const directions = new Map();
    const mansionLuck = new Map();
    const mansions = [];
    let previous = null;
    eachDay((solar, index) => {
        const day = libraryDay(solar);
        const where = day.date;
        if (EARLIER_JIE_DAYS.has(where) && day.month === EARLIER_JIE_DAYS.get(where).month)
            fail(`${where}: the library now reckons the ${day.month} month here; move EARLIER_JIE_DAYS`);
        settle(dayGods, `${day.month} ${day.branch}`, day.god, where);
        settle(paths, day.god, `${day.path} ${day.luck}`, where);
        settle(directions, day.stem, day.directions.join('\t'), where);
        settle(mansionLuck, day.mansion, day.mansionLuck, where);
        if (mansions.length < 28 && !mansions.includes(day.mansion))
            mansions.push(day.mansion);
        if (mansions[index % 28] !== day.mansion)
            fail(`${where}: mansion ${day.mansion}, but the 28-day cycle from ${FIRST} gives ${mansions[index % 28]}`);
        for (const d of day.directions)
            if (!DIRECTIONS.includes(d))
                fail(`${where}: '${d}' is not one of the eight directions`);
        if (index % HOUR_STEP === 0) {
            const hours = libraryHours(solar);
            hours.forEach((hour, row) => {
                const branch = row === 12 ? 0 : row;
                if (hour.cycle[1] !== BRANCHES[branch])
                    fail(`${where}: hour ${row} is ${hour.cycle}`);
                // 晚子 is the next day's 子 hour: the next day's branch governs it.
                const governing = row === 12 ? BRANCHES[(BRANCHES.indexOf(day.branch) + 1) % 12] : day.branch;
                settle(hourGods, `${governing} ${BRANCHES[branch]}`, hour.god, `${where} hour ${row}`);
                settle(paths, hour.god, `${hour.path} ${hour.luck}`, `${where} hour ${row}`);
                const clash = clashOf(hour.cycle);
                if (!hour.clash.startsWith(clash.text) || hour.sha !== clash.sha)
                    fail(`${where} hour ${row}: clash ${hour.clash} 煞${hour.sha}, the rule gives ${clash.text} 煞${clash.sha}`);
            });
            settle(ratHours, day.stem, hours[0].cycle, where);
            const nextStem = STEMS[(STEMS.indexOf(day.stem) + 1) % 10];
            if (ratHours.has(nextStem) && ratHours.get(nextStem).value !== hours[12].cycle)
                fail(`${where}: 晚子 ${hours[12].cycle} is not the 子 hour of a ${nextStem} day`);
            for (let row = 1; row < 12; ++row)
                if (STEMS.indexOf(hours[row].cycle[0]) !== (STEMS.indexOf(hours[0].cycle[0]) + row) % 10)
                    fail(`${where}: the stems of the hours do not follow each other`);
        }
        previous = day;
    });
    if (previous.date !== LAST || dayGods.size !== 144 || hourGods.size !== 144 || ratHours.size !== 10 ||
        directions.size !== 10 || mansions.length !== 28)
        fail('the walk did not meet every month and day branch, hour, stem and mansion');

    // One rule for days and hours: the spirits run in one order from the branch 青龙 falls on.
    const order = [];
    for (let k = 0; k < 12; ++k)
        order.push(dayGods.get(`子 ${BRANCHES[(BRANCHES.indexOf(greenDragon(dayGods, '子')) + k) % 12]}`).value);
    const starts = BRANCHES.map((governing) => {
        const start = BRANCHES.indexOf(greenDragon(dayGods, governing));
        if (greenDragon(hourGods, governing) !== BRANCHES[start])
            fail(`青龙 falls on ${greenDragon(hourGods, governing)} in the hours of a ${governing} day, ` +
                 `on ${BRANCHES[start]} in the days of a ${governing} month`);
        for (let k = 0; k < 12; ++k)
            for (const grid of [dayGods, hourGods])
                if (grid.get(`${governing} ${BRANCHES[(start + k) % 12]}`).value !== order[k])
                    fail(`${governing}: the spirits do not follow the order ${order.join(' ')}`);
        return [governing, BRANCHES[start]];
    });
    for (const god of order) {
        const [path, luck] = paths.get(god).value.split(' ');
        if ((path === '黄道') !== (luck === '吉'))
            fail(`${god}: ${path} but ${luck}`);
    }
    // The mansions from 角, as the almanacs count them.
    const horn = mansions.indexOf('角');
    if (horn < 0)
        fail('no mansion 角');
    const ordered = [...mansions.slice(horn), ...mansions.slice(0, horn)];
    return { order, paths, starts, ratHours, directions, mansions: ordered, anchor: mansions[0], mansionLuck };
}

function greenDragon(grid, governing) {
    const found = BRANCHES.find((branch) => grid.get(`${governing} ${branch}`).value === '青龙');
    if (!found)
        fail(`no 青龙 under ${governing}`);
    return found;
}

// The two packages field by field: every day's fields, and the hours of every 97th day (tyme4ts takes
// about 30 ms for a day's hours). Returns the disagreements by field.
function crossCheck() {
    const fields = {};
    const note = (field, date, mine, theirs) => {
        fields[field] ||= { count: 0, examples: [], kinds: new Map() };
        const f = fields[field];
        ++f.count;
        if (f.examples.length < 3)
            f.examples.push(`${date}: ${PACKAGE} ${mine}, ${SECOND_PACKAGE} ${theirs}`);
        const kind = `${mine} / ${theirs}`;
        f.kinds.set(kind, (f.kinds.get(kind) || 0) + 1);
    };
    const compare = (field, date, mine, theirs) => {
        if (mine !== theirs)
            note(field, date, mine, theirs);
    };
    let days = 0;
    let hourDays = 0;
    eachDay((solar, index) => {
        ++days;
        const a = libraryDay(solar);
        const withHours = index % 97 === 0;
        const b = secondDay(solar, withHours);
        const date = a.date;
        compare('节 month branch', date, a.month, b.month);
        compare('day 干支', date, a.stem + a.branch, b.stem + b.branch);
        compare('day 值神', date, a.god, b.god);
        compare('黄道/黑道', date, a.path, b.path);
        compare('day 吉/凶', date, a.luck, b.luck);
        compare('mansion', date, a.mansion, b.mansion);
        compare('mansion 吉/凶', date, a.mansionLuck, b.mansionLuck);
        SPIRITS.forEach((spirit, i) => compare(spirit, date, `${a.stem} ${a.directions[i]}`, `${b.stem} ${b.directions[i]}`));
        compare('福神 of the other school', date, a.otherFu, b.directions[1]);
        if (withHours) {
            ++hourDays;
            libraryHours(solar).forEach((h, row) => {
                const t = b.hours[row];
                const at = `${date} hour ${row}`;
                compare('hour 干支', at, h.cycle, t.cycle);
                compare('hour 值神', at, h.god, t.god);
                compare('hour 黄道/黑道', at, h.path, t.path);
                compare('hour 吉/凶', at, h.luck, t.luck);
                compare('hour clash branch', at, clashOf(h.cycle).branch, t.clashBranch);
                compare('hour 煞', at, h.sha, t.sha);
            });
        }
    });
    return { fields, days, hourDays };
}

// The disagreements that are settled: 福神 has two schools (the table takes lunar-javascript's default,
// tyme4ts has the other, which lunar-javascript gives as its sect 1); on EARLIER_JIE_DAYS tyme4ts reckons
// the new month as the calendar does, and the day's 值神 follows.
const SETTLED = new Set(['福神', 'day 值神', '黄道/黑道', 'day 吉/凶', '节 month branch']);

function checkCrossCheck(result) {
    for (const [field, f] of Object.entries(result.fields)) {
        if (!SETTLED.has(field))
            fail(`${PACKAGE} and ${SECOND_PACKAGE} disagree on ${field} (${f.count}): ${f.examples.join('; ')}`);
        if (field !== '福神') {
            const dates = f.examples.map((e) => e.slice(0, 10));
            if (f.count !== EARLIER_JIE_DAYS.size || !dates.every((d) => EARLIER_JIE_DAYS.has(d)))
                fail(`${field}: the packages disagree beyond the 节 days: ${f.examples.join('; ')}`);
        }
    }
}

function tableText(info, second, rules, cross) {
    const fu = cross.fields['福神'] ? cross.fields['福神'].count : 0;
    const lines = [
        '# 日课: the rules of the day page. The 值神 (黄道/黑道 spirits) of days and hours, the 干支 of the hours,',
        '# the directions of five spirits and the 28 mansions.',
        `# Generated by tools/gen_almanac_table/gen_day_page.js from the npm package ${info.name} ${info.version}`,
        `# (${info.license} licence, ${info.copyright}; the notice is in LICENSE.${info.name}),`,
        `# through its public Solar/Lunar API over every day from ${FIRST} to ${LAST} (the hours every ${HOUR_STEP}th day),`,
        `# cross-checked with the npm package ${second.name} ${second.version} (${second.license} licence, ${second.copyright};`,
        `# the notice is in LICENSE.${second.name}) over every day (the hours every 97th day).`,
        '# Do not edit by hand: run the generator again.',
        '#',
        '# Sections, one row per line, the section name first, fields separated by one tab:',
        '#   值神    name, 黄道 or 黑道 (黄道 is 吉, 黑道 凶); 12 rows in the order the spirits follow branch by branch.',
        '#   青龙    governing branch, the branch 青龙 falls on; 12 rows. A day\'s 值神 is governed by the branch of',
        '#           its 节 month, which begins on the day the calendar labels with its 节 (立春 opens 寅 ... 小寒',
        '#           丑); an hour\'s by its day\'s branch. From 青龙 the spirits follow in the order of 值神.',
        '#   五鼠遁  day stem, the 干支 of its 子 hour; 10 rows. The hours 丑 ... 亥 follow in the cycle.',
        `#   方位    day stem, the directions of ${SPIRITS.join(', ')}; 10 rows. 福神 is lunar-javascript's`,
        '#           default school (getDayPositionFu with sect 2); the other school (sect 1, and tyme4ts)',
        `#           differs on ${fu} days, 9 stems of 10.`,
        '#   宿      mansion, 吉 or 凶; 28 rows in order from 角.',
        '#   宿起    a date, its mansion; the mansions follow day by day, 28 days round.',
        '#',
        '# The thirteen hours of a day: 早子 00:00-00:59 with this day\'s 子 干支 and 值神, 丑 01:00-02:59 ... 亥',
        '# 21:00-22:59, and 晚子 23:00-23:59, which takes the 干支 and the 值神 of the next day\'s 子 hour (its',
        '# stem two on from 早子\'s, its 值神 governed by the next day\'s branch), as both packages give it.',
    ];
    for (const god of rules.order)
        lines.push(['值神', god, rules.paths.get(god).value.split(' ')[0]].join('\t'));
    for (const [governing, start] of rules.starts)
        lines.push(['青龙', governing, start].join('\t'));
    for (const stem of STEMS)
        lines.push(['五鼠遁', stem, rules.ratHours.get(stem).value].join('\t'));
    for (const stem of STEMS)
        lines.push(['方位', stem, rules.directions.get(stem).value].join('\t'));
    for (const mansion of rules.mansions)
        lines.push(['宿', mansion, rules.mansionLuck.get(mansion).value].join('\t'));
    lines.push(['宿起', FIRST, rules.anchor].join('\t'));
    return lines.join('\n') + '\n';
}

function outputs() {
    const info = packageInfo(PACKAGE, PINNED_VERSION);
    const second = packageInfo(SECOND_PACKAGE, SECOND_PINNED_VERSION);
    const rules = deriveRules();
    const cross = crossCheck();
    checkCrossCheck(cross);
    return [[TABLE, tableText(info, second, rules, cross)], [SECOND_NOTICE, second.licence]];
}

function firstDifference(a, b) {
    const x = a.split('\n');
    const y = b.split('\n');
    for (let i = 0; i < Math.max(x.length, y.length); ++i)
        if (x[i] !== y[i])
            return `line ${i + 1}: committed ${JSON.stringify(x[i])}, generated ${JSON.stringify(y[i])}`;
    return 'no line differs';
}

function check() {
    let stale = false;
    for (const [file, text] of outputs()) {
        const committed = fs.existsSync(file) ? fs.readFileSync(file, 'utf8') : null;
        if (committed === text)
            continue;
        stale = true;
        process.stderr.write(`gen_day_page: ${path.relative(ROOT, file)} is out of date (${
            committed === null ? 'missing' : firstDifference(committed, text)})\n`);
    }
    if (stale)
        process.exit(1);
    process.stdout.write('gen_day_page: the committed day-page table agrees with the libraries\n');
}

function write() {
    for (const [file, text] of outputs()) {
        fs.writeFileSync(file, text);
        process.stdout.write(`wrote ${path.relative(ROOT, file)}\n`);
    }
}

function report() {
    packageInfo(PACKAGE, PINNED_VERSION);
    packageInfo(SECOND_PACKAGE, SECOND_PINNED_VERSION);
    const result = crossCheck();
    const out = (line) => process.stdout.write(`${line}\n`);
    out(`days compared: ${result.days}; days whose 13 hours were compared: ${result.hourDays}`);
    const fields = Object.entries(result.fields);
    if (fields.length === 0)
        out('no field differs');
    for (const [field, f] of fields) {
        out(`${field}: ${f.count} ${SETTLED.has(field) ? '(settled)' : '(NOT settled)'}`);
        for (const [kind, count] of f.kinds)
            out(`  ${kind}: ${count}`);
        for (const example of f.examples)
            out(`  e.g. ${example}`);
    }
    checkCrossCheck(result);
}

// The 21 columns of almanac_days against the library, day by day: the day's 值神 and 黄道/黑道 (on
// EARLIER_JIE_DAYS those of the month the calendar reckons), mansion, five directions, twelve hours.
function compareDays(file) {
    if (!fs.existsSync(file))
        fail(`${file}: no such file`);
    const rows = new Map();
    fs.readFileSync(file, 'utf8').split('\n').forEach((line, i) => {
        if (line === '')
            return;
        const columns = line.split('\t');
        if (columns.length !== 21)
            fail(`${file}:${i + 1}: ${columns.length} columns instead of 21`);
        rows.set(columns[0], columns);
    });
    const lines = fs.readFileSync(TABLE, 'utf8').split('\n').filter((l) => l && !l.startsWith('#'));
    const gods = lines.filter((l) => l.startsWith('值神\t')).map((l) => l.split('\t')[1]);
    const paths = new Map(lines.filter((l) => l.startsWith('值神\t')).map((l) => l.split('\t').slice(1)));
    const starts = new Map(lines.filter((l) => l.startsWith('青龙\t')).map((l) => l.split('\t').slice(1)));
    const godOf = (governing, branch) =>
        gods[(BRANCHES.indexOf(branch) - BRANCHES.indexOf(starts.get(governing)) + 12) % 12];

    const problems = [];
    let days = 0;
    let eves = 0;
    eachDay((solar) => {
        ++days;
        const day = libraryDay(solar);
        const mine = rows.get(day.date);
        rows.delete(day.date);
        if (!mine) {
            problems.push(`${day.date}: missing`);
            return;
        }
        let god = day.god;
        let path = day.path;
        const eve = EARLIER_JIE_DAYS.get(day.date);
        if (eve) {
            god = godOf(eve.month, day.branch);
            path = paths.get(god);
            if (god === day.god)
                fail(`${day.date}: the ${eve.month} month gives the library's 值神 too; nothing to settle`);
            ++eves;
        }
        const hours = libraryHours(solar).slice(0, 12).map((h) => `${h.cycle} ${h.god} ${h.luck}`);
        const expected = [day.date, god, path, day.mansion, ...day.directions, ...hours];
        expected.forEach((value, i) => {
            if (mine[i] !== value)
                problems.push(`${day.date} column ${i + 1}: "${mine[i]}", library "${value}"`);
        });
    });
    const out = (line) => process.stdout.write(`${line}\n`);
    out(`days ${FIRST}..${LAST}: ${days}; lines outside the span: ${rows.size}`);
    const differing = new Set(problems.map((p) => p.slice(0, 10))).size;
    out(`every column agrees with ${PACKAGE} on ${days - eves - differing} days; on ${eves} more ` +
        `(${[...EARLIER_JIE_DAYS.keys()].join(', ')}) every column but the day's 值神 and 黄道/黑道, which are ` +
        'those of the month the calendar labels with its 节');
    for (const line of problems.slice(0, 20))
        out(`  differs: ${line}`);
    if (rows.size || problems.length || eves !== EARLIER_JIE_DAYS.size)
        fail(`${file} does not agree with ${PACKAGE}`);
}

const args = process.argv.slice(2);
if (args.length === 0)
    write();
else if (args.length === 1 && args[0] === '--check')
    check();
else if (args.length === 1 && args[0] === '--cross-check')
    report();
else if (args.length === 2 && args[0] === '--compare-days')
    compareDays(args[1]);
else
    fail('usage: gen_day_page.js [--check | --cross-check | --compare-days FILE]');
