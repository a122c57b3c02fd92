-- The question bank: the shipped question bank, the user's marks on it, the simulated exam's
-- settings and paper, and the score table of the last marked exercise page.
-- Every table has an integer key so that a row read by "select * from <table>" can be written
-- back on its own. ts, sj and fenshu are plain rowid tables without an index on the columns the
-- program filters on, so that statements without "order by" return their rows in insertion order.

-- Chapter tree: parts (code 1), their sections, the sections' chapters.
CREATE TABLE tree (
  id       INTEGER PRIMARY KEY,
  nodename TEXT,
  code     INTEGER,
  parentid INTEGER,
  scbt     TEXT,   -- flag: the chapter holds a favourite question
  ct       TEXT    -- flag: the chapter holds a question of the wrong-question bank
);
CREATE INDEX tree_parentid ON tree(parentid);
CREATE INDEX tree_code ON tree(code);

-- Question groups: a run of questions of one type inside one chapter.
CREATE TABLE readtext (
  id      INTEGER PRIMARY KEY,
  treeid  INTEGER,
  qtypeid INTEGER,
  content TEXT,     -- the case text (code 8) or the shared option list (code 9)
  opnum   INTEGER   -- matching groups: number of shared options, letters A to O
);
CREATE INDEX readtext_treeid ON readtext(treeid);
CREATE INDEX readtext_qtypeid ON readtext(qtypeid);

-- Question types; code is the layout class 1-9.
CREATE TABLE qtype (
  id    INTEGER PRIMARY KEY,
  code  INTEGER,
  title TEXT
);

CREATE TABLE question (
  id         INTEGER PRIMARY KEY,
  readtextid INTEGER,
  content    TEXT,
  picurl     TEXT,
  answer     TEXT,
  "explain"  TEXT,
  itemnum    INTEGER,
  scbt       TEXT,   -- flag: favourite
  ct         TEXT,   -- flag: in the wrong-question bank
  ct1        TEXT,   -- flag: wrong in the latest exercise marking
  lx         TEXT    -- exam type label a1-a4 (matching questions: the candidate's letter in an exam)
);
CREATE INDEX question_readtextid ON question(readtextid);
-- An exam paper draws from the questions of one label: found here, not by reading every question.
CREATE INDEX question_lx ON question(lx);

-- Answer options, in the order the letters of question.answer follow.
CREATE TABLE opinion (
  id         INTEGER PRIMARY KEY,
  questionid INTEGER,
  code       TEXT,
  content    TEXT
);
CREATE INDEX opinion_questionid ON opinion(questionid);

-- The subject (one row): ID is its name, mz its folder on the update server.
CREATE TABLE kemu (
  rid INTEGER PRIMARY KEY,
  ID  TEXT,
  mz  TEXT
);

-- The question count (one row).
CREATE TABLE geshu (
  rid       INTEGER PRIMARY KEY,
  kemugeshu TEXT
);

-- Simulated-exam settings: four rows by position (single, multiple, case, matching).
CREATE TABLE ts (
  rid INTEGER PRIMARY KEY,
  txs TEXT,
  fg  TEXT
);

-- The current exam paper, one row per paper position.
CREATE TABLE sj (
  rid  INTEGER PRIMARY KEY,
  tid  TEXT,
  lx   TEXT,
  alt  TEXT,
  tg   TEXT,
  tgid TEXT,
  da   TEXT,
  tp   TEXT,
  xx   TEXT,
  tjda TEXT
);

-- Score table of the last exercise marking, one row per question group.
CREATE TABLE fenshu (
  rid INTEGER PRIMARY KEY,
  tx  TEXT,
  sts TEXT,
  dd  TEXT
);
