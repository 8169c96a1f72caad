-- The library's own settings and the small reference tables several subsystems read.
-- Text columns take the database's default collation (Unicode, Hungarian order).

create table konyvtar (
  kvtnev varchar(100),
  kvtcim varchar(100),
  irszam varchar(10),
  telepules varchar(60),
  kvttel varchar(40),
  adoszam varchar(20),
  szlaszam varchar(40),
  szlamegj varchar(200),
  kvtkod varchar(20),
  pnem varchar(10),
  kolcsdatum date,
  osztszam smallint,
  kesdij varchar(1)
);
insert into konyvtar (kvtnev, pnem, kesdij, osztszam) values ('', 'Ft', '0', 0);

create table reszleg (
  reszleg varchar(20) not null primary key,
  smtp varchar(100),
  email varchar(100),
  felsz1 blob sub_type text,
  felsz2 blob sub_type text,
  felsz3 blob sub_type text
);
insert into reszleg (reszleg) values ('Felnőtt');
insert into reszleg (reszleg) values ('Gyerek');

create table lhely (
  lhely varchar(60) not null primary key
);

create table kvtarkod (
  kvtarkod varchar(20) not null primary key
);

create table kesed (
  id integer not null primary key,
  kesdij integer
);

create table olvkat (
  katnev varchar(40) not null primary key,
  kolcsdok integer,
  tagdij integer,
  fkap varchar(1)
);

create table foglalk (
  id integer not null primary key,
  reszleg varchar(20),
  foglalk varchar(60)
);
create descending index foglalk_id_desc on foglalk (id);

create table munkahely (
  reszleg varchar(20),
  munkahely varchar(100)
);

create table irszam (
  helyseg varchar(60),
  irszam integer
);
create index irszam_helyseg on irszam (helyseg);

create table nyelv (
  nyelv varchar(40),
  kod varchar(10),
  penz varchar(10),
  eto varchar(20)
);

create table ceg (
  id integer not null primary key,
  cegnev varchar(100),
  cim varchar(100),
  nev varchar(60),
  tel varchar(40),
  fax varchar(40),
  email varchar(100),
  adoszam varchar(20),
  szlaszam varchar(40),
  megj varchar(200)
);
create descending index ceg_id_desc on ceg (id);

-- Librarians: the login code is the key; the password column holds a salted hash
-- ("pbkdf2-sha256$..."), wide enough for it. jogkod: character N is '1' when the librarian
-- may use the N-th rights-controlled top menu.
create table kvtaros (
  nev varchar(60) not null,
  kod varchar(10) not null primary key,
  jelszo varchar(128),
  jogkod varchar(10),
  beoszt varchar(20),
  cim varchar(100),
  tel varchar(40),
  email varchar(100),
  message varchar(255)
);

-- Help topics shown by "Súgó", in the order of `id`; `leiras` is RTF. Delivered rows are added
-- by code (shell/HelpTopics.cpp) when the table is created.
create table sugo (
  id integer not null primary key,
  temakor varchar(100),
  leiras blob sub_type text
);
