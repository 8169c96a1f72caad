-- The general catalogue: bibliographic records, copies, the author and title index, analytic
-- records, and the lists that help cataloguing (subject headings, publishers, the Cutter table
-- with its letter codes, music genres).
-- Text columns take the database's default collation (Unicode, Hungarian order). A row of UTF8
-- columns may declare at most about 16,000 characters in all, so the long "#"-separated fields
-- of konyv share that budget.

create table konyv (
  id integer not null primary key,
  doktipus varchar(20),
  szakj varchar(100),
  raktj varchar(60),
  szerzo varchar(200),
  kiegadat varchar(200),
  fc varchar(500),
  ac varchar(500),
  pc varchar(300),
  pac varchar(300),
  szerad varchar(500),
  kiadjel varchar(100),
  kiadas varchar(200),
  kiadev varchar(20),
  nyomda varchar(200),
  ter varchar(100),
  sc1 varchar(400),
  issn varchar(100),
  sc2 varchar(300),
  sorszam varchar(60),
  megj varchar(1200),
  tartmeg varchar(2500),
  isbn varchar(200),
  kotes varchar(100),
  ar numeric(15, 2),
  pnem varchar(10),
  tmt varchar(800),
  kotet varchar(800),
  eto varchar(300),
  tft varchar(1000),
  tszo varchar(1000),
  nyelv varchar(40),
  mt varchar(1000),
  utalo varchar(1000),
  inev varchar(200),
  icim varchar(300),
  jegy varchar(20),
  tanar varchar(100),
  szak varchar(100),
  kvtaros1 varchar(40),
  rdatum date,
  kvtaros2 varchar(40),
  mdatum date,
  irmufaj varchar(60)
);
create descending index konyv_id_desc on konyv (id);
create index konyv_doktipus on konyv (doktipus);

create table kpld (
  sorszam integer not null primary key,
  id integer,
  vonalkod varchar(40),
  lbetu varchar(10),
  lszam integer,
  lszam2 integer,
  kotszam varchar(20),
  lhely varchar(60),
  statusz varchar(30),
  rendszam varchar(40),
  uk varchar(20),
  beszhely varchar(100),
  beszmod varchar(40),
  gynyt varchar(20),
  tnyt varchar(20),
  szlaszam varchar(40),
  beszdatum varchar(20),
  alldatum varchar(20),
  tulaj varchar(20),
  megj varchar(500),
  nemz varchar(1),
  filename varchar(200),
  doktipus varchar(20),
  kvtaros1 varchar(40),
  rdatum date,
  kvtaros2 varchar(40),
  mdatum date
);
create descending index kpld_sorszam_desc on kpld (sorszam);
create index kpld_id on kpld (id);
create index kpld_vonalkod on kpld (vonalkod);
create index kpld_lszam on kpld (lszam);
create descending index kpld_lszam_desc on kpld (lszam);

-- Author index: one row per searchable author form of a record.
create table kszerzo (
  sorszam integer not null primary key,
  doktipus varchar(20),
  id integer,
  szerzo varchar(200)
);
create descending index kszerzo_sorszam_desc on kszerzo (sorszam);
create index kszerzo_id on kszerzo (id);

-- Title index: one row per searchable title form of a record.
create table kcim (
  sorszam integer not null primary key,
  doktipus varchar(20),
  id integer,
  cim varchar(500)
);
create descending index kcim_sorszam_desc on kcim (sorszam);
create index kcim_id on kcim (id);

-- Analytic record: a part of a book, described under its host record (konyvid).
create table kv_an (
  id integer not null primary key,
  konyvid integer,
  szerzo varchar(200),
  fc varchar(500),
  ac varchar(500),
  pc varchar(300),
  pac varchar(300),
  szerad varchar(500),
  kiadjel varchar(100),
  kiadas varchar(200),
  kiadev varchar(20),
  issn varchar(100),
  megj varchar(1200),
  isbn varchar(200),
  tmt varchar(800),
  ter varchar(100),
  tft varchar(1000),
  tszo varchar(1000),
  mt varchar(1000),
  nyelv varchar(40),
  utalo varchar(1000),
  sc varchar(400),
  ann varchar(3000),
  kvtaros varchar(40),
  datum date
);
create descending index kv_an_id_desc on kv_an (id);
create index kv_an_konyvid on kv_an (konyvid);

create table targyszo (
  id integer not null primary key,
  reszleg varchar(20),
  targyszo varchar(200),
  szinonima varchar(200)
);
create descending index targyszo_id_desc on targyszo (id);
create index targyszo_targyszo on targyszo (targyszo);

create table kiadok (
  kiado varchar(200) not null primary key
);

-- The Cutter author-mark table. kod2 is betu written in the letter codes of abc; it compares
-- code point by code point (collation UTF8), the order the lookup walks. Only kod2 is indexed:
-- an index on betu would double the time the delivered rows take to write on first start, and
-- the lookups by betu read the small table fast enough without one.
create table cutter (
  betu varchar(60),
  kod varchar(20),
  kod2 varchar(120) character set UTF8 collate UTF8
);
create descending index cutter_kod2_desc on cutter (kod2);

-- Letter codes of the Cutter lookup: one lower-case letter, its code.
create table abc (
  id integer not null primary key,
  betu varchar(2),
  kod varchar(10)
);
create index abc_betu on abc (betu);

-- Music genres of the sound-recording window; zmufaj is the delivered list it starts from.
create table mufaj (
  mufaj varchar(60)
);
create index mufaj_mufaj on mufaj (mufaj);

create table zmufaj (
  mufaj varchar(60)
);

-- The catalogue search compares the lower-cased author and title forms; a prefix search walks
-- these indexes ("starting with").
create index kszerzo_lower_szerzo on kszerzo computed by (lower(szerzo));
create index kcim_lower_cim on kcim computed by (lower(cim));
