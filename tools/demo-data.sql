-- Demo rows for a new database made by make-demo-db: a few stock-in cards, the stock they leave,
-- sales of today and yesterday, and one bad debt. Dates follow the day the database is made.

INSERT INTO 进 VALUES (date('now', 'localtime', '-20 days'), '张三', '中成药', '清热解毒', 'ZY001', '注射用板蓝根', '广州', '10支/盒', 'B2401', date('now', 'localtime', '+700 days'), 12.5, 20);
INSERT INTO 进 VALUES (date('now', 'localtime', '-18 days'), '李四', '西药', '抗生素', 'XY002', '阿莫西林胶囊', '哈尔滨', '0.25g*24粒', 'A1187', date('now', 'localtime', '+500 days'), 8, 30);
INSERT INTO 进 VALUES (date('now', 'localtime', '-15 days'), '张三', '中成药', '感冒', 'ZY003', '感冒清热颗粒', '北京', '12g*10袋', 'G0932', date('now', 'localtime', '+400 days'), 15, 10);
INSERT INTO 进 VALUES (date('now', 'localtime', '-10 days'), '王五', '中成药', '清热解毒', 'ZY001', '注射用板蓝根', '广州', '10支/盒', 'B2402', date('now', 'localtime', '+700 days'), 14.5, 10);
INSERT INTO 进 VALUES (date('now', 'localtime', '-5 days'), '李四', '西药', '维生素', 'XY010', '维生素C片', '上海', '0.1g*100片', 'V7710', date('now', 'localtime', '+30 days'), 3.2, 2);

-- One stock row per stock key, at the weighted average cost of its purchases.
INSERT INTO 存 SELECT 名称, 产地, 规格型号, 有效截止日期, SUM(进价 * 数量) / SUM(数量), SUM(数量)
    FROM 进 GROUP BY 名称, 产地, 规格型号, 有效截止日期;

INSERT INTO 销 SELECT datetime('now', 'localtime', '-1 day', 'start of day', '+9 hours', '+30 minutes'), 名称, 产地, 规格型号, 有效截止日期, 15, 2/1.0, '整盒销售', 30, 0 FROM 存 WHERE 名称 = '阿莫西林胶囊';
INSERT INTO 销 SELECT datetime('now', 'localtime', '-1 day', 'start of day', '+16 hours', '+20 minutes'), 名称, 产地, 规格型号, 有效截止日期, 22, 1/1.0, '整盒销售', 22, 1 FROM 存 WHERE 名称 = '感冒清热颗粒';
INSERT INTO 销 SELECT datetime('now', 'localtime', 'start of day', '+8 hours', '+5 minutes'), 名称, 产地, 规格型号, 有效截止日期, 2, 5/20.0, '拆零销售', 10, 0 FROM 存 WHERE 名称 = '注射用板蓝根';
INSERT INTO 销 SELECT datetime('now', 'localtime', 'start of day', '+8 hours', '+40 minutes'), 名称, 产地, 规格型号, 有效截止日期, 5.5, 2/1.0, '整盒销售', 11, 0 FROM 存 WHERE 名称 = '维生素C片';

UPDATE 存 SET 现有存货量 = 现有存货量 - (SELECT SUM(销.数量) FROM 销 WHERE 销.名称 = 存.名称 AND 销.产地 = 存.产地
    AND 销.规格型号 = 存.规格型号 AND 销.有效截止日期 = 存.有效截止日期)
    WHERE EXISTS (SELECT 1 FROM 销 WHERE 销.名称 = 存.名称 AND 销.产地 = 存.产地
    AND 销.规格型号 = 存.规格型号 AND 销.有效截止日期 = 存.有效截止日期);

INSERT INTO 操作员 VALUES ('收银员', '1234');
