#!/usr/bin/env node
// Re-reads a written catalogue the way the program does and reports every
// line the program would ignore or misread, every missing or empty list,
// misplaced state caption words and places that cannot be found.
//
//   node check_catalogue.mjs ../../Location

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { CONTINENTS, LANGUAGES, checkPathRule, isPlainPath, distanceKm } from './lib.mjs';

// Places a user must be able to reach, with their true coordinates.
export const LANDMARKS = [
  { continent: 'europe', country: 'Germany', state: 'Berlin', city: 'Berlin', lat: 52.5200, lon: 13.4050 },
  { continent: 'europe', country: 'France', state: 'Île-de-France', city: 'Paris', lat: 48.8566, lon: 2.3522 },
  { continent: 'north_america', country: 'United States', state: 'New York', city: 'New York City', lat: 40.7128, lon: -74.0060 },
  { continent: 'oceania', country: 'Australia', state: 'New South Wales', city: 'Sydney', lat: -33.8688, lon: 151.2093 },
  { continent: 'europe', country: 'Greece', city: 'Athens', lat: 37.9838, lon: 23.7275 },
  { continent: 'africa', country: 'South Africa', city: 'Cape Town', lat: -33.9249, lon: 18.4241 },
];
const LANDMARK_DEGREES = 0.05;

// Countries whose state lists must carry the caption words, by English name.
const CAPTION_COUNTRIES = [
  ['Germany', 'DE'],
  ['France', 'FR'],
  ['United States', 'US'],
];

const COORD = /^-?\d{1,3}\.\d{4,}$/;

// Reads one list file into rows of fields, recording problems. Fields are
// split the way the program splits them; a line whose raw text would lose
// or merge fields is reported rather than silently repaired.
function readList(dir, rel, fieldCount, problems) {
  const full = path.join(dir, ...rel.split('/'));
  let buf;
  try {
    buf = fs.readFileSync(full);
  } catch {
    problems.push(`${rel}: missing`);
    return null;
  }
  if (buf.length >= 3 && buf[0] === 0xef && buf[1] === 0xbb && buf[2] === 0xbf) problems.push(`${rel}: starts with a byte order mark`);
  const text = new TextDecoder('utf-8', { fatal: false }).decode(buf);
  if (text.includes('\ufffd')) problems.push(`${rel}: not valid UTF-8`);
  if (text.includes('\r')) problems.push(`${rel}: carriage return in file`);
  if (text.length === 0) {
    problems.push(`${rel}: empty`);
    return [];
  }
  if (!text.endsWith('\n')) problems.push(`${rel}: last line has no line end`);
  const lines = text.split('\n');
  lines.pop();
  const rows = [];
  const seen = new Set();
  lines.forEach((line, i) => {
    const where = `${rel}:${i + 1}`;
    const fields = line.split('|');
    if (fields.length !== fieldCount) {
      problems.push(`${where}: ${fields.length} fields instead of ${fieldCount}: ${JSON.stringify(line)}`);
      return;
    }
    if (fields.some((f) => f.length === 0)) {
      problems.push(`${where}: empty field`);
      return;
    }
    if (fields.some((f) => f !== f.trim())) problems.push(`${where}: field with surrounding spaces`);
    if (seen.has(line)) problems.push(`${where}: duplicate line`);
    seen.add(line);
    rows.push(fields);
  });
  if (rows.length === 0) problems.push(`${rel}: no usable line`);
  return rows;
}

function listAllFiles(dir, base = '') {
  const out = [];
  for (const e of fs.readdirSync(path.join(dir, base), { withFileTypes: true })) {
    const rel = base ? `${base}/${e.name}` : e.name;
    if (e.isDirectory()) out.push(rel, ...listAllFiles(dir, rel));
    else out.push(rel);
  }
  return out;
}

export function checkCatalogue(dir) {
  const problems = [];
  const stats = { countries: {}, stateLists: 0, cityLists: 0, cities: 0, bytes: 0, files: 0, longest: [] };
  const cityLists = new Map(); // path -> rows
  const stateLists = new Map(); // path -> rows
  const referenced = new Set();
  const enCountries = new Map(); // English name -> [flag, path]

  const checkPath = (rel, from) => {
    if (!isPlainPath(rel)) problems.push(`${from}: list path ${JSON.stringify(rel)} is not a plain relative .txt path`);
    referenced.add(rel);
  };

  const readCityList = (rel) => {
    if (cityLists.has(rel)) return cityLists.get(rel);
    const rows = readList(dir, rel, 3, problems) ?? [];
    const names = new Set();
    for (const [name, lat, lon] of rows) {
      if (!COORD.test(lat) || !COORD.test(lon)) problems.push(`${rel}: ${name}: coordinates ${lat}|${lon} not in decimal notation with four decimals`);
      else if (Math.abs(Number(lat)) > 90 || Math.abs(Number(lon)) > 180) problems.push(`${rel}: ${name}: coordinates out of range`);
      if (names.has(name)) problems.push(`${rel}: two places named ${name}`);
      names.add(name);
    }
    cityLists.set(rel, rows);
    return rows;
  };

  const readStateList = (rel) => {
    if (stateLists.has(rel)) return stateLists.get(rel);
    const rows = readList(dir, rel, 2, problems) ?? [];
    const names = new Set();
    for (const [name, cityPath] of rows) {
      if (names.has(name)) problems.push(`${rel}: two states named ${name}`);
      names.add(name);
      checkPath(cityPath, rel);
      readCityList(cityPath);
    }
    stateLists.set(rel, rows);
    return rows;
  };

  for (const [, word] of CONTINENTS) {
    let reference = null;
    for (const lang of LANGUAGES) {
      const rel = `${word}_${lang}.txt`;
      const rows = readList(dir, rel, 3, problems) ?? [];
      const names = new Set();
      for (const [name, flag, listPath] of rows) {
        if (names.has(name)) problems.push(`${rel}: two countries named ${name}`);
        names.add(name);
        if (flag !== '0' && flag !== '1') {
          problems.push(`${rel}: ${name}: states flag ${JSON.stringify(flag)}`);
          continue;
        }
        checkPath(listPath, rel);
        if (flag === '1') readStateList(listPath);
        else readCityList(listPath);
        if (lang === 'en') enCountries.set(name, [flag, listPath]);
      }
      const lists = rows.map((r) => `${r[1]}|${r[2]}`).sort().join('\n');
      if (reference === null) reference = lists;
      else if (lists !== reference) problems.push(`${rel}: lists other countries than ${word}_${LANGUAGES[0]}.txt`);
      if (lang === 'en') stats.countries[word] = rows.length;
    }
  }

  for (const rel of cityLists.keys()) if (stateLists.has(rel)) problems.push(`${rel}: used both as state list and as city list`);

  // Every file of the folder counts for the caption words, not only the
  // referenced ones.
  const all = listAllFiles(dir);
  const stateListOf = new Map();
  for (const [name, code] of CAPTION_COUNTRIES) {
    const entry = enCountries.get(name);
    if (!entry) problems.push(`${name} is not listed`);
    else if (entry[0] !== '1') problems.push(`${name} has no state list`);
    else stateListOf.set(code, entry[1]);
  }
  problems.push(...checkPathRule([...all, ...referenced], stateListOf));

  const dataFiles = all.filter((f) => f.endsWith('.txt') && f !== 'ATTRIBUTION.txt' && !/^[a-z_]+_[a-z]{2}\.txt$/.test(f));
  for (const f of dataFiles) if (!referenced.has(f)) problems.push(`${f}: not referenced by any list`);

  for (const m of LANDMARKS) {
    const label = `${m.city} (${m.country})`;
    const entry = enCountries.get(m.country);
    if (!entry) {
      problems.push(`${label}: country not in ${m.continent}_en.txt`);
      continue;
    }
    const [flag, listPath] = entry;
    let cityPath = listPath;
    if (m.state) {
      const st = flag === '1' ? (stateLists.get(listPath) ?? []).find((r) => r[0] === m.state) : null;
      if (!st) {
        problems.push(`${label}: state ${m.state} not found`);
        continue;
      }
      cityPath = st[1];
    } else if (flag !== '0') {
      problems.push(`${label}: country unexpectedly has states`);
      continue;
    }
    const row = (cityLists.get(cityPath) ?? []).find((r) => r[0] === m.city);
    if (!row) problems.push(`${label}: not in ${cityPath}`);
    else if (Math.abs(Number(row[1]) - m.lat) > LANDMARK_DEGREES || Math.abs(Number(row[2]) - m.lon) > LANDMARK_DEGREES) {
      problems.push(`${label}: listed at ${row[1]}|${row[2]}, more than ${LANDMARK_DEGREES}° from ${m.lat}|${m.lon}`);
    } else {
      const km = distanceKm(Number(row[1]), Number(row[2]), m.lat, m.lon);
      stats.landmarks = (stats.landmarks ?? []).concat(`${m.city} ${row[1]}|${row[2]} (${km.toFixed(1)} km off)`);
    }
  }

  stats.stateLists = stateLists.size;
  stats.cityLists = cityLists.size;
  for (const rows of cityLists.values()) stats.cities += rows.length;
  stats.longest = [...cityLists.entries()].sort((a, b) => b[1].length - a[1].length || (a[0] < b[0] ? -1 : 1))
    .slice(0, 5).map(([p, r]) => `${p} ${r.length}`);
  for (const f of all) {
    const st = fs.statSync(path.join(dir, f));
    if (st.isFile()) {
      stats.bytes += st.size;
      stats.files++;
    }
  }
  return { problems, stats };
}

export function formatStats(s) {
  const total = Object.values(s.countries).reduce((a, b) => a + b, 0);
  return [
    `countries per continent: ${Object.entries(s.countries).map(([k, v]) => `${k} ${v}`).join(', ')} (total ${total})`,
    `state lists: ${s.stateLists}, city lists: ${s.cityLists}, city lines: ${s.cities}`,
    `longest city lists: ${s.longest.join(', ')}`,
    `files: ${s.files}, total size: ${s.bytes} bytes (${(s.bytes / 1048576).toFixed(2)} MiB)`,
    ...(s.landmarks ?? []).map((l) => `found ${l}`),
  ].join('\n');
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  if (process.argv.length !== 3) {
    console.error('usage: node check_catalogue.mjs <Location folder>');
    process.exit(2);
  }
  const { problems, stats } = checkCatalogue(path.resolve(process.argv[2]));
  console.log(formatStats(stats));
  if (problems.length) {
    console.error(`catalogue check FAILED (${problems.length} problems):`);
    for (const p of problems.slice(0, 100)) console.error(`  ${p}`);
    process.exit(1);
  }
  console.log('catalogue check passed');
}
