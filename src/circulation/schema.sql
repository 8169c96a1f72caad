-- Circulation: readers, reservations and current loans.

-- One row per reader. The reader's barcode (vonalkod) is the reader's identity in every
-- circulation table (their olvkod columns).
-- sorszam, olvkod and lhely1 are the names the year-end and reminder statements read the serial
-- number, the barcode and the department by. They are computed from id, vonalkod and reszleg,
-- never stored twice, so they cannot drift apart from the columns the reader window writes.
create table olvaso (
  id integer not null primary key,
  nyilvszam integer,
  vonalkod varchar(40),
  nev varchar(60),
  lnev varchar(60),
  szhely varchar(60),
  szulido date,
  neme varchar(1),
  anev varchar(60),
  allvaros varchar(60),
  allcim varchar(100),
  allirsz varchar(6),
  idvaros varchar(60),
  idcim varchar(100),
  idirsz varchar(6),
  szigsz varchar(20),
  tel varchar(40),
  email varchar(100),
  regdatum date,
  beirdatum date,
  kat varchar(40),
  fogl varchar(60),
  mhely varchar(100),
  oszt1 varchar(2),
  oszt2 varchar(10),
  jotallo varchar(200),
  megj varchar(200),
  reszleg varchar(20),
  keskod integer,
  fkap varchar(1),
  av varchar(1),
  avbeir date,
  fogy varchar(1),
  elojegyz varchar(1),
  jelszo varchar(128),
  tartozas numeric(12,2),
  kvtaros varchar(60),
  sorszam computed by (id),
  olvkod computed by (vonalkod),
  lhely1 computed by (reszleg)
);
create descending index olvaso_id_desc on olvaso (id);
create descending index olvaso_nyilvszam_desc on olvaso (nyilvszam);
create index olvaso_vonalkod on olvaso (vonalkod);
create index olvaso_nev_lower on olvaso computed by (lower(nev));

-- One row per reservation of a title (author and title, not a copy). vissza: '0' waiting,
-- '1' the document has come back.
create table elojegyz (
  id integer not null primary key,
  olvkod varchar(40),
  szerzo varchar(200),
  cim varchar(500),
  datum date,
  vissza varchar(1)
);
create descending index elojegyz_id_desc on elojegyz (id);
create index elojegyz_olvkod on elojegyz (olvkod);

-- One row per copy on loan; the loan ends by deleting the row. A loan is identified by the copy's
-- barcode and document type. kvkod, lhely and lhely1 are read by other windows, written by none.
create table kolcson (
  olvkod varchar(40),
  vonalkod varchar(40),
  doktipus varchar(20),
  statusz integer,
  kolcsdatum date,
  lejardatum date,
  szerzo varchar(200),
  cim varchar(500),
  lszam varchar(30),
  reszleg varchar(20),
  kvtaros varchar(60),
  kvkod varchar(10),
  lhely varchar(60),
  lhely1 varchar(60)
);
create index kolcson_olvkod on kolcson (olvkod);
create index kolcson_vonalkod on kolcson (vonalkod);
create index kolcson_lejardatum on kolcson (lejardatum);

-- One row per lending event (a loan or a single extension), kept for statistics and the reading
-- history. olvkat: the first letter of the reader's department, lower-cased ('f', 'g').
create table kolcsdok (
  id integer not null primary key,
  olvid integer,
  olvkat varchar(1),
  dokvkod varchar(40),
  cim varchar(500),
  doktipus varchar(20),
  datum date,
  reszleg varchar(20)
);
create descending index kolcsdok_id_desc on kolcsdok (id);
create index kolcsdok_olvid on kolcsdok (olvid);
create index kolcsdok_dokvkod on kolcsdok (dokvkod);
create index kolcsdok_datum on kolcsdok (datum);

-- One row per visit record: groups typed on the visitors tab, and one automatic row per reader,
-- department and day written by lending.
create table latogato (
  id integer not null primary key,
  datum date,
  reszleg varchar(20),
  latogato varchar(60),
  nev varchar(100),
  honnan varchar(100),
  vezeto varchar(60),
  gyerek integer,
  felnott integer
);
create descending index latogato_id_desc on latogato (id);
create index latogato_datum on latogato (datum);
