-- The individual inventory book: one line per inventoried unit, under its inventory number.

create table lkonyv (
  id integer not null primary key,
  doktipus varchar(20),
  lbetu varchar(10),
  lszam integer,
  lszam2 integer,
  kelet date,
  cim varchar(500),
  szerzo varchar(200),
  kotet varchar(100),
  megjev varchar(20),
  egyszam integer,
  szakj varchar(100),
  raktj varchar(60),
  beszmod varchar(40),
  ar double precision,
  pnem varchar(10),
  gynyt varchar(20),
  tnyt varchar(20),
  jegyzet varchar(200),
  lhely varchar(60),
  megvane varchar(1),
  alldatum varchar(20),
  lmegj varchar(500),
  nemz varchar(1),
  kvtaros1 varchar(40),
  rdatum date,
  kvtaros2 varchar(40),
  mdatum date,
  statusz varchar(10)
);
create descending index lkonyv_id_desc on lkonyv (id);
create index lkonyv_lszam on lkonyv (lszam);
create index lkonyv_gynyt on lkonyv (gynyt);
create index lkonyv_tnyt on lkonyv (tnyt);
