-- Demo question bank, subject 职业病: the subject record, the simulated-exam defaults,
-- the question types and the chapter tree. The groups and questions follow in 10_, 20_ and 30_.

insert into kemu (ID, mz) values ('职业病', 'zyb');

-- Simulated-exam counts by position: single choice, multiple choice, cases, matching groups.
-- Row 1 keeps the configured single-choice count in fg as well; every count stays within 50 and
-- below half of its pool in this bank, so each draw has room to spread over the chapters.
insert into ts (txs, fg) values ('40', '40');
insert into ts (txs, fg) values ('10', '');
insert into ts (txs, fg) values ('2', '');
insert into ts (txs, fg) values ('2', '');

-- Question types; code is the layout class (1-3 single choice, 4-7 multiple choice,
-- 8 case group, 9 matching group).
insert into qtype (id, code, title) values (1, 8, '阅读案例多个问题8');
insert into qtype (id, code, title) values (2, 9, '五个公用备选多个题每题一个选项9');
insert into qtype (id, code, title) values (3, 1, 'A1型题：单句型最佳选择题');
insert into qtype (id, code, title) values (4, 2, 'A2型题：病例摘要型最佳选择题');
insert into qtype (id, code, title) values (5, 3, '单项选择题：每题只有一个正确答案');
insert into qtype (id, code, title) values (6, 4, 'X型题：多项选择题');
insert into qtype (id, code, title) values (7, 5, '多项选择题：每题有两个或两个以上正确答案');
insert into qtype (id, code, title) values (8, 6, '多选题（病例分析型）');
insert into qtype (id, code, title) values (9, 7, '多选题（综合应用型）');
insert into qtype (id, code, title) values (10, 8, 'A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。');
insert into qtype (id, code, title) values (11, 9, 'B型题配伍选择题');

-- Chapter tree: parts (code 1, parentid 0), their sections, the sections' chapters.
-- Section 13 has no chapters of its own.
insert into tree (id, nodename, code, parentid) values (1, '第一篇 职业卫生与职业医学基础', 1, 0);
insert into tree (id, nodename, code, parentid) values (2, '第二篇 职业中毒', 1, 0);
insert into tree (id, nodename, code, parentid) values (3, '第三篇 尘肺与物理因素所致职业病', 1, 0);

insert into tree (id, nodename, code, parentid) values (11, '第一章 职业性有害因素与职业病概论', 0, 1);
insert into tree (id, nodename, code, parentid) values (12, '第二章 职业卫生法规与管理', 0, 1);
insert into tree (id, nodename, code, parentid) values (13, '第三章 职业卫生调查与评价', 0, 1);
insert into tree (id, nodename, code, parentid) values (21, '第一章 金属与类金属中毒', 0, 2);
insert into tree (id, nodename, code, parentid) values (22, '第二章 刺激性与窒息性气体中毒', 0, 2);
insert into tree (id, nodename, code, parentid) values (23, '第三章 有机溶剂与农药中毒', 0, 2);
insert into tree (id, nodename, code, parentid) values (31, '第一章 职业性尘肺病', 0, 3);
insert into tree (id, nodename, code, parentid) values (32, '第二章 物理因素所致职业病', 0, 3);

insert into tree (id, nodename, code, parentid) values (111, '第一节 职业性有害因素', 0, 11);
insert into tree (id, nodename, code, parentid) values (112, '第二节 职业病的概念与特点', 0, 11);
insert into tree (id, nodename, code, parentid) values (113, '第三节 职业病的诊断与报告', 0, 11);
insert into tree (id, nodename, code, parentid) values (121, '第一节 职业病防治法要点', 0, 12);
insert into tree (id, nodename, code, parentid) values (122, '第二节 职业健康监护', 0, 12);
insert into tree (id, nodename, code, parentid) values (211, '第一节 铅中毒', 0, 21);
insert into tree (id, nodename, code, parentid) values (212, '第二节 汞中毒', 0, 21);
insert into tree (id, nodename, code, parentid) values (213, '第三节 锰中毒', 0, 21);
insert into tree (id, nodename, code, parentid) values (214, '第四节 砷中毒', 0, 21);
insert into tree (id, nodename, code, parentid) values (221, '第一节 刺激性气体中毒', 0, 22);
insert into tree (id, nodename, code, parentid) values (222, '第二节 一氧化碳中毒', 0, 22);
insert into tree (id, nodename, code, parentid) values (223, '第三节 硫化氢与氰化物中毒', 0, 22);
insert into tree (id, nodename, code, parentid) values (231, '第一节 苯中毒', 0, 23);
insert into tree (id, nodename, code, parentid) values (232, '第二节 正己烷中毒', 0, 23);
insert into tree (id, nodename, code, parentid) values (233, '第三节 有机磷农药中毒', 0, 23);
insert into tree (id, nodename, code, parentid) values (311, '第一节 矽肺', 0, 31);
insert into tree (id, nodename, code, parentid) values (312, '第二节 煤工尘肺', 0, 31);
insert into tree (id, nodename, code, parentid) values (313, '第三节 石棉肺', 0, 31);
insert into tree (id, nodename, code, parentid) values (321, '第一节 中暑', 0, 32);
insert into tree (id, nodename, code, parentid) values (322, '第二节 职业性噪声聋', 0, 32);
insert into tree (id, nodename, code, parentid) values (323, '第三节 手臂振动病', 0, 32);
insert into tree (id, nodename, code, parentid) values (324, '第四节 减压病', 0, 32);
