// Pure helpers shared by the catalogue generator, the checker and the tests.
// Nothing here reads files or depends on the locale of the machine, so the
// output is the same on every machine that runs the same package versions.

export const CONTINENTS = [
  ['AF', 'africa'],
  ['EU', 'europe'],
  ['AS', 'asia'],
  ['NA', 'north_america'],
  ['SA', 'south_america'],
  ['OC', 'oceania'],
];
export const LANGUAGES = ['en', 'de', 'es', 'fr', 'el'];

// The window picks the caption of the state row from these words in the
// state list's path; each may appear in exactly one path of the catalogue.
export const CAPTION_WORDS = [
  ['germany', 'DE'],
  ['france', 'FR'],
  ['usa', 'US'],
];

export class CatalogueError extends Error {}

export function fail(message) {
  throw new CatalogueError(message);
}

// ---------------------------------------------------------------------------
// Ordering

const FOLD = {
  'ß': 'ss', 'ẞ': 'ss', 'æ': 'ae', 'Æ': 'ae', 'œ': 'oe', 'Œ': 'oe', 'ø': 'o', 'Ø': 'o',
  'đ': 'd', 'Đ': 'd', 'ð': 'd', 'Ð': 'd', 'ł': 'l', 'Ł': 'l', 'ı': 'i', 'þ': 'th',
  'Þ': 'th', 'ħ': 'h', 'Ħ': 'h', 'ŧ': 't', 'Ŧ': 't', 'ŋ': 'n', 'Ŋ': 'n', 'ς': 'σ',
  'ʻ': '', 'ʼ': '', '‘': '', '’': '', "'": '', '`': '',
};

// Sort key that ignores case, accents and apostrophes. Only Unicode
// normalisation is used, never the ICU collator, so the order does not
// change with the Node.js build.
export function sortKey(name) {
  let s = name.normalize('NFD').replace(/\p{M}/gu, '');
  s = s.replace(/[ßẞæÆœŒøØđĐðÐłŁıþÞħĦŧŦŋŊςʻʼ‘’'`]/g, (c) => FOLD[c]);
  return s.toLowerCase();
}

function codeUnitCompare(a, b) {
  return a < b ? -1 : a > b ? 1 : 0;
}

export function compareNames(a, b) {
  return codeUnitCompare(sortKey(a), sortKey(b)) || codeUnitCompare(a, b);
}

// ---------------------------------------------------------------------------
// Numbers and names

export function formatCoordinate(value, min, max) {
  if (typeof value !== 'number' || !Number.isFinite(value) || value < min || value > max) {
    fail(`coordinate ${value} is outside ${min}..${max}`);
  }
  const text = value.toFixed(5);
  return text === '-0.00000' ? '0.00000' : text;
}

// A name that may be written as a field: non-empty, no separator, no
// control characters, no surrounding spaces.
export function isWritableName(name) {
  return (
    typeof name === 'string' &&
    name.length > 0 &&
    name === name.trim() &&
    !name.includes('|') &&
    !/[\u0000-\u001f\u007f\u2028\u2029\ufeff]/.test(name)
  );
}

// Distance in kilometres on a sphere, good enough for telling apart places.
export function distanceKm(lat1, lon1, lat2, lon2) {
  const r = Math.PI / 180;
  const dLat = (lat2 - lat1) * r;
  const dLon = (lon2 - lon1) * r;
  const h =
    Math.sin(dLat / 2) ** 2 + Math.cos(lat1 * r) * Math.cos(lat2 * r) * Math.sin(dLon / 2) ** 2;
  return 12742 * Math.asin(Math.min(1, Math.sqrt(h)));
}

// ---------------------------------------------------------------------------
// Choosing the places of one list

// Orders places biggest first; places of unknown population come last.
// Ties are broken by name and position so the choice is stable.
export function compareByImportance(a, b) {
  const pa = a.population ?? -1;
  const pb = b.population ?? -1;
  return (
    pb - pa ||
    compareNames(a.name, b.name) ||
    a.lat - b.lat ||
    a.lon - b.lon
  );
}

// Two entries of the same name this close together are one place listed
// twice by the sources (for instance as a town and as a district seat).
export const SAME_PLACE_KM = 3;

export function mergeSamePlaces(places) {
  const sorted = [...places].sort(compareByImportance);
  const byName = new Map();
  const kept = [];
  for (const p of sorted) {
    const twins = byName.get(p.name) ?? [];
    if (twins.some((q) => distanceKm(p.lat, p.lon, q.lat, q.lon) < SAME_PLACE_KM)) continue;
    twins.push(p);
    byName.set(p.name, twins);
    kept.push(p);
  }
  return kept;
}

export const MIN_POPULATION = 15000;
export const ALWAYS_TOP = 10;

// The places of one list: every place of at least MIN_POPULATION, the
// capital and the seats of first-level divisions, and in any case the
// ALWAYS_TOP biggest places even where they are smaller.
export function selectPlaces(places) {
  const sorted = mergeSamePlaces(places);
  return sorted.filter(
    (p, rank) =>
      rank < ALWAYS_TOP ||
      (p.population ?? 0) >= MIN_POPULATION ||
      p.featureCode === 'PPLC' ||
      p.featureCode === 'PPLA',
  );
}

function coordinateQualifier(p, digits) {
  const lat = `${Math.abs(p.lat).toFixed(digits)}°${p.lat < 0 ? 'S' : 'N'}`;
  const lon = `${Math.abs(p.lon).toFixed(digits)}°${p.lon < 0 ? 'W' : 'E'}`;
  return `${lat} ${lon}`;
}

// Gives every place of a list a distinct display name. Places that share a
// name all get a qualifier in brackets: the first of `qualifiers` (functions
// place -> text or undefined) that tells every one of them apart, else
// their rounded coordinates. Returns [displayName, place] pairs sorted by
// display name; fails if two lines would still be equal.
export function nameUniquely(places, qualifiers) {
  const groups = new Map();
  for (const p of places) {
    if (!groups.has(p.name)) groups.set(p.name, []);
    groups.get(p.name).push(p);
  }
  const levels = [
    ...qualifiers,
    (p) => coordinateQualifier(p, 2),
    (p) => coordinateQualifier(p, 4),
  ];
  const out = [];
  for (const [name, group] of groups) {
    if (group.length === 1) {
      out.push([name, group[0]]);
      continue;
    }
    let chosen = null;
    for (const level of levels) {
      const texts = group.map(level);
      if (texts.every((t) => t && isWritableName(t)) && new Set(texts).size === texts.length) {
        chosen = texts;
        break;
      }
    }
    if (!chosen) fail(`cannot tell apart the ${group.length} places named "${name}"`);
    group.forEach((p, i) => out.push([`${name} (${chosen[i]})`, p]));
  }
  out.sort((a, b) => compareNames(a[0], b[0]));
  for (let i = 1; i < out.length; i++) {
    if (out[i][0] === out[i - 1][0]) fail(`two places would both be listed as "${out[i][0]}"`);
  }
  return out;
}

// ---------------------------------------------------------------------------
// Tables kept with the generator

// Reads one of the hand-written tables of this folder: "|"-separated
// fields, "#" starts a comment line, blank lines are skipped. Every line
// must have `fieldCount` fields, none empty or with surrounding blanks.
export function parseTable(text, fieldCount, fileName) {
  const rows = [];
  text.split('\n').forEach((raw, i) => {
    const line = raw.replace(/\r$/, '');
    if (line.trim() === '' || line.startsWith('#')) return;
    const fields = line.split('|');
    if (fields.length !== fieldCount || fields.some((f) => !isWritableName(f))) {
      fail(`${fileName}:${i + 1}: expected ${fieldCount} non-empty fields without surrounding blanks: ${JSON.stringify(line)}`);
    }
    rows.push({ line: i + 1, fields });
  });
  return rows;
}

// ---------------------------------------------------------------------------
// Division names

// iso-codes writes some names inverted so that they sort by their proper
// part ("Madrid, Comunidad de"); when the part after the comma starts with
// one of these words it is put back in front.
const INVERTED_LEAD = /^(?:Respublika|Comunidad|Región|Principado|Région|City|County|The)\b/;

// The name to show for an ISO 3166-2 subdivision as iso-codes gives it:
// of several names ("A;B", or "A [B]" with B the name in another language
// or an older code) the first, without iso-codes' "*" mark, and inverted
// names turned round ("Comunidad de Madrid").
export function isoDisplayName(name) {
  let s = name.split(';')[0].replace(/\s*\[[^\]]*\]/g, '').replace(/\*$/, '').trim();
  const m = /^(.+), (.+)$/.exec(s);
  if (m && INVERTED_LEAD.test(m[2])) s = `${m[2]} ${m[1]}`;
  if (!isWritableName(s)) fail(`ISO 3166-2 name ${JSON.stringify(name)} gives no usable name`);
  return s;
}

// Every name under which iso-codes knows a subdivision: each of several
// names and each alternative in square brackets (without a code after it).
export function isoNameForms(name) {
  const forms = [];
  for (const part of name.split(';')) {
    forms.push(part.replace(/\s*\[[^\]]*\]/g, '').replace(/\*$/, '').trim());
    for (const m of part.matchAll(/\[([^\]]*)\]/g)) forms.push(m[1].replace(/\s*\b[A-Z]{2}-[A-Z0-9]+$/, '').trim());
  }
  return forms.filter((f) => f.length > 0);
}

// For state names taken from GeoNames: iso-codes' spelling of the same
// name, where GeoNames writes it in plain ASCII and iso-codes with accents
// ("Cordoba" -> "Córdoba"). Same means equal once case, accents and
// apostrophes are folded (sortKey); names that differ otherwise ("Beijing"
// and "Beijing Shi") are not the same. subdivisions: iso-codes entries.
// Returns null where no single such spelling exists.
export function isoAccentedSpelling(name, subdivisions) {
  if (!/^[\x20-\x7e]+$/.test(name)) return null;
  const found = new Set();
  for (const e of subdivisions) {
    for (const form of isoNameForms(e.name)) {
      if (/[^\x00-\x7f]/.test(form) && sortKey(form) === sortKey(name)) found.add(form);
    }
  }
  return found.size === 1 ? [...found][0] : null;
}

// Words that only tell what kind of division a name is, or join words, in
// the languages of GeoNames' and iso-codes' names. They are dropped, like
// case, accents, punctuation and bracketed notes, before two names are
// compared, so "State of Berlin" meets "Berlin", "Adıyaman Province" meets
// "Adıyaman" and "Madrid, Comunidad de" meets "Madrid".
const KIND_WORDS = new Set([
  'state', 'land', 'province', 'provincia', 'region', 'republic', 'respublika', 'oblast', 'krai', 'kray',
  'voivodeship', 'prefecture', 'comunidad', 'principado', 'sheng', 'shi', 'zizhiqu', 'of', 'de', 'del', 'the',
]);

export function divisionMatchKey(name) {
  return sortKey(name.replace(/\([^)]*\)/g, ' '))
    .split(/[^\p{L}\p{N}]+/u)
    .filter((w) => w && !KIND_WORDS.has(w))
    .join(' ');
}

// Pairs the first-level divisions of one country as GeoNames names them
// with the country's ISO 3166-2 subdivisions, for their names:
//   1. the hand-written table (GeoNames code -> ISO code),
//   2. for the United States, the GeoNames code is the ISO code's suffix,
//   3. names equal after divisionMatchKey, where the key is unique among
//      the country's divisions and names one subdivision of the matching
//      level only.
// divisions: [{code: 'DE.16', name}]; subdivisions: iso-codes entries of the
// country; table: Map GeoNames code -> ISO code. Returns Map GeoNames code
// -> {iso, name, how}; divisions without a partner are left out.
export function matchDivisions(country, divisions, subdivisions, table) {
  const byIso = new Map(subdivisions.map((e) => [e.code, e]));
  const usable = subdivisions.filter((e) => e.type !== 'Geographical unit');
  const keyed = (entries) => {
    const m = new Map();
    for (const e of entries) {
      for (const k of new Set(isoNameForms(e.name).map(divisionMatchKey))) {
        if (!k) continue;
        if (!m.has(k)) m.set(k, new Set());
        m.get(k).add(e);
      }
    }
    return m;
  };
  // GeoNames' first level is ISO's first level, except where ISO's first
  // level holds geographical groupings only (Indonesia): then the next one.
  const top = usable.filter((e) => !e.parent);
  const levelKeys = keyed(top.length > 0 ? top : usable);
  const keyCount = new Map();
  for (const d of divisions) {
    const k = divisionMatchKey(d.name);
    keyCount.set(k, (keyCount.get(k) ?? 0) + 1);
  }

  const out = new Map();
  for (const d of divisions) {
    let iso = null;
    let how = null;
    if (table.has(d.code)) {
      iso = byIso.get(table.get(d.code));
      if (!iso) fail(`division table: ${d.code} (${d.name}) -> ${table.get(d.code)}, which iso-codes does not list for ${country}`);
      how = 'table';
    } else if (country === 'US') {
      iso = byIso.get(`US-${d.code.slice(3)}`) ?? null;
      how = 'code';
    } else {
      const k = divisionMatchKey(d.name);
      const found = k && keyCount.get(k) === 1 ? levelKeys.get(k) : null;
      if (found?.size === 1) iso = [...found][0];
      how = 'name';
    }
    if (iso) out.set(d.code, { iso: iso.code, name: isoDisplayName(iso.name), how });
  }
  const claimed = new Map();
  for (const [code, m] of out) {
    if (claimed.has(m.iso)) fail(`divisions ${claimed.get(m.iso)} and ${code} of ${country} would both be ${m.iso} (${m.name})`);
    claimed.set(m.iso, code);
  }
  return out;
}

// GeoNames names England's counties and unitary authorities in full
// ("Borough of Bolton", "City and Borough of Leeds"). The kind is dropped
// where the short name is still told apart from every other county.
const ENGLISH_UNIT_KIND = /^(?:City and Borough of|Metropolitan Borough of|Royal Borough of|Borough of|City of|District of) (.+)$|^(.+) Council$/;

export function shortEnglishUnitNames(units) {
  // units: full names; returns Map full name -> name to show.
  const shortOf = (n) => {
    const m = ENGLISH_UNIT_KIND.exec(n);
    return m ? m[1] ?? m[2] : n;
  };
  const taken = new Map();
  const count = (n) => taken.set(sortKey(n), (taken.get(sortKey(n)) ?? 0) + 1);
  for (const n of units) {
    count(n);
    if (shortOf(n) !== n) count(shortOf(n));
  }
  return new Map(units.map((n) => {
    const s = shortOf(n);
    return [n, s !== n && taken.get(sortKey(s)) === 1 ? s : n];
  }));
}

// ---------------------------------------------------------------------------
// Paths

export function checkPathRule(paths, stateListOf) {
  // paths: every relative path of the catalogue; stateListOf: country code ->
  // path of its state list.
  const problems = [];
  for (const [word, country] of CAPTION_WORDS) {
    const own = stateListOf.get(country);
    if (!own) problems.push(`${country} has no state list`);
    else if (!own.includes(word)) problems.push(`state list ${own} of ${country} lacks "${word}"`);
    for (const p of paths) {
      if (p.includes(word) && p !== own) problems.push(`path ${p} contains "${word}"`);
    }
  }
  // The caption is chosen by the first word found, so an earlier word in a
  // later country's path would win.
  const fr = stateListOf.get('FR');
  const us = stateListOf.get('US');
  if (fr && fr.includes('germany')) problems.push(`${fr} contains "germany"`);
  if (us && (us.includes('germany') || us.includes('france'))) problems.push(`${us} contains an earlier caption word`);
  return [...new Set(problems)];
}

export function isPlainPath(p) {
  return (
    /^[a-z0-9_][a-z0-9_.\-]*(\/[a-z0-9_][a-z0-9_.\-]*)*\.txt$/.test(p) &&
    !p.split('/').some((part) => part === '.' || part === '..')
  );
}

// Lower-case file name part for a division code; fails on characters a
// plain ASCII file name should not have.
export function fileCode(code) {
  const c = String(code).toLowerCase();
  if (!/^[a-z0-9]+$/.test(c)) fail(`division code "${code}" is not plain letters and digits`);
  return c;
}
