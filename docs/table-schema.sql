-- The 23 table files, exactly as the program makes them: for each, its zrv_layout rows, its
-- table and one index per key. Made from the table declarations by data/table_reference.cpp
-- (data_table_files_doc_test checks that it is up to date; `zrv_scoring schema` prints it).
-- Run it in a folder without these files, with the sqlite3 client:
--     sqlite3 -bail < table-schema.sql
-- or, from another program, run each file's statements (from its PRAGMA to its COMMIT) on a
-- new, empty file. On a file that holds tables already it fails at its first CREATE and
-- changes nothing. docs/table-files.md says what each part means.

-- KataEvent
.open KataEvent.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KataEvent'),
  ('signature', 'table KataEvent record 2438
field KE:NumeroDeCompeticion Long 4 @0 depth 0
field KE:CodigoEvento Text 20 @4 depth 0
field KE:Cerrar Decimal 4 7,0 @24 depth 0
field KE:ONDECK Group 0 @28 depth 0
field KE:OnDeck1 Decimal 4 7,0 @28 depth 1
field KE:OnDeck2 Decimal 4 7,0 @32 depth 1
field KE:OnDeck3 Decimal 4 7,0 @36 depth 1
field KE:OnDeck4 Decimal 4 7,0 @40 depth 1
field KE:OnDeck5 Decimal 4 7,0 @44 depth 1
field KE:OnDeck6 Decimal 4 7,0 @48 depth 1
field KE:OnDeck7 Decimal 4 7,0 @52 depth 1
field KE:OnDeck8 Decimal 4 7,0 @56 depth 1
field KE:OnDeck9 Decimal 4 7,0 @60 depth 1
field KE:OnDeck10 Decimal 4 7,0 @64 depth 1
field KE:OnDeck11 Decimal 4 7,0 @68 depth 1
field KE:OnDeck12 Decimal 4 7,0 @72 depth 1
field KE:OnDeck13 Decimal 4 7,0 @76 depth 1
field KE:OnDeck14 Decimal 4 7,0 @80 depth 1
field KE:OnDeck15 Decimal 4 7,0 @84 depth 1
field KE:OnDeck16 Decimal 4 7,0 @88 depth 1
field KE:OnDeck17 Decimal 4 7,0 @92 depth 1
field KE:OnDeck18 Decimal 4 7,0 @96 depth 1
field KE:EVENTINFO Group 0 @100 depth 0
field KE:NombreDeEvento Text 50 @100 depth 1
field KE:FechaDeEvento Date 4 @150 depth 1
field KE:TatamiMatsNo Text 30 @154 depth 1
field KE:Queue Text 20 @184 depth 1
field KE:REGION Text 20 @204 depth 1
field KE:MUNICIPIO Text 50 @224 depth 1
field KE:Modalidad Text 45 @274 depth 1
field KE:Divicion Text 45 @319 depth 1
field KE:CategoriaCode Text 45 @364 depth 1
field KE:COLORAZUL Text 20 @409 depth 1
field KE:COLORROJO Text 20 @429 depth 1
field KE:NOMBREDEORGANIZADOR Text 50 @449 depth 1
field KE:IDKATAJUEZCARD Group 0 @499 depth 0
field KE:KATAJUEZCARD1 Decimal 4 7,0 @499 depth 1
field KE:KATAJUEZCARD2 Decimal 4 7,0 @503 depth 1
field KE:KATAJUEZCARD3 Decimal 4 7,0 @507 depth 1
field KE:KATAJUEZCARD4 Decimal 4 7,0 @511 depth 1
field KE:KATAJUEZCARD5 Decimal 4 7,0 @515 depth 1
field KE:KATAJUEZCARD6 Decimal 4 7,0 @519 depth 1
field KE:KATAJUEZCARD7 Decimal 4 7,0 @523 depth 1
field KE:CARDOMANUAL Group 0 @527 depth 0
field KE:CARDMANUAL3 Decimal 4 7,0 @527 depth 1
field KE:CARDMANUAL5 Decimal 4 7,0 @531 depth 1
field KE:CARDMANUAL7 Decimal 4 7,0 @535 depth 1
field KE:COMPETIDOR1 Group 0 @539 depth 0
field KE:NombreCompetidor1 Text 20 @539 depth 1
field KE:AppelidoCompetidor1 Text 20 @559 depth 1
field KE:COLORC1 Text 6 @579 depth 1
field KE:KATAC1 Text 20 @585 depth 1
field KE:PAISC1 Text 20 @605 depth 1
field KE:ResultadoC2 Decimal 3 5,2 @625 depth 1
field KE:JUEZ1TC1 Decimal 3 5,2 @628 depth 1
field KE:JUEZ1AC1 Decimal 3 5,2 @631 depth 1
field KE:JUEZ2TC1 Decimal 3 5,2 @634 depth 1
field KE:JUEZ2AC1 Decimal 3 5,2 @637 depth 1
field KE:JUEZ3TC1 Decimal 3 5,2 @640 depth 1
field KE:JUEZ3AC1 Decimal 3 5,2 @643 depth 1
field KE:JUEZ4TC1 Decimal 3 5,2 @646 depth 1
field KE:JUEZ4AC1 Decimal 3 5,2 @649 depth 1
field KE:JUEZ5TC1 Decimal 3 5,2 @652 depth 1
field KE:JUEZ5AC1 Decimal 3 5,2 @655 depth 1
field KE:JUEZ6TC1 Decimal 3 5,2 @658 depth 1
field KE:JUEZ6AC1 Decimal 3 5,2 @661 depth 1
field KE:JUEZ7TC1 Decimal 3 5,2 @664 depth 1
field KE:JUEZ7AC1 Decimal 3 5,2 @667 depth 1
field KE:ResultadoC1 Decimal 3 5,2 @670 depth 1
field KE:ResultadoAC1 Decimal 3 5,2 @673 depth 1
field KE:ResultadoTC1 Decimal 3 5,2 @676 depth 1
field KE:DOJONOMBRE1 Text 20 @679 depth 1
field KE:COMPETIDOR2 Group 0 @699 depth 0
field KE:NombreCompetidor2 Text 20 @699 depth 1
field KE:AppelidoCompetidor2 Text 20 @719 depth 1
field KE:COLORC2 Text 6 @739 depth 1
field KE:KATAC2 Text 20 @745 depth 1
field KE:PAISC2 Text 20 @765 depth 1
field KE:JUEZ1TC2 Decimal 3 5,2 @785 depth 1
field KE:JUEZ1AC2 Decimal 3 5,2 @788 depth 1
field KE:JUEZ2TC2 Decimal 3 5,2 @791 depth 1
field KE:JUEZ2AC2 Decimal 3 5,2 @794 depth 1
field KE:JUEZ3TC2 Decimal 3 5,2 @797 depth 1
field KE:JUEZ3AC2 Decimal 3 5,2 @800 depth 1
field KE:JUEZ4TC2 Decimal 3 5,2 @803 depth 1
field KE:JUEZ4AC2 Decimal 3 5,2 @806 depth 1
field KE:JUEZ5TC2 Decimal 3 5,2 @809 depth 1
field KE:JUEZ5AC2 Decimal 3 5,2 @812 depth 1
field KE:JUEZ6TC2 Decimal 3 5,2 @815 depth 1
field KE:JUEZ6AC2 Decimal 3 5,2 @818 depth 1
field KE:JUEZ7TC2 Decimal 3 5,2 @821 depth 1
field KE:JUEZ7AC2 Decimal 3 5,2 @824 depth 1
field KE:ResultadoTC2 Decimal 3 5,2 @827 depth 1
field KE:ResultadoAC2 Decimal 3 5,2 @830 depth 1
field KE:DOJONOMBRE2 Text 20 @833 depth 1
field KE:COMPETIDOR3 Group 0 @853 depth 0
field KE:NombreCompetidor3 Text 20 @853 depth 1
field KE:AppelidoCompetidor3 Text 20 @873 depth 1
field KE:COLORC3 Text 6 @893 depth 1
field KE:KATAC3 Text 20 @899 depth 1
field KE:PAISC3 Text 20 @919 depth 1
field KE:JUEZ1TC3 Decimal 3 5,2 @939 depth 1
field KE:JUEZ1AC3 Decimal 3 5,2 @942 depth 1
field KE:JUEZ2TC3 Decimal 3 5,2 @945 depth 1
field KE:JUEZ2AC3 Decimal 3 5,2 @948 depth 1
field KE:JUEZ3TC3 Decimal 3 5,2 @951 depth 1
field KE:JUEZ3AC3 Decimal 3 5,2 @954 depth 1
field KE:JUEZ4TC3 Decimal 3 5,2 @957 depth 1
field KE:JUEZ4AC3 Decimal 3 5,2 @960 depth 1
field KE:JUEZ5TC3 Decimal 3 5,2 @963 depth 1
field KE:JUEZ5AC3 Decimal 3 5,2 @966 depth 1
field KE:JUEZ6TC3 Decimal 3 5,2 @969 depth 1
field KE:JUEZ6AC3 Decimal 3 5,2 @972 depth 1
field KE:JUEZ7TC3 Decimal 3 5,2 @975 depth 1
field KE:JUEZ7AC3 Decimal 3 5,2 @978 depth 1
field KE:ResultadoC3 Decimal 3 5,2 @981 depth 1
field KE:ResultadoTC3 Decimal 3 5,2 @984 depth 1
field KE:ResultadoAC3 Decimal 3 5,2 @987 depth 1
field KE:DOJONOMBRE3 Text 20 @990 depth 1
field KE:COMPETIDOR4 Group 0 @1010 depth 0
field KE:NombreCompetidor4 Text 20 @1010 depth 1
field KE:AppelidoCompetidor4 Text 20 @1030 depth 1
field KE:COLORC4 Text 6 @1050 depth 1
field KE:KATAC4 Text 20 @1056 depth 1
field KE:PAISC4 Text 20 @1076 depth 1
field KE:JUEZ1TC4 Decimal 3 5,2 @1096 depth 1
field KE:JUEZ1AC4 Decimal 3 5,2 @1099 depth 1
field KE:JUEZ2TC4 Decimal 3 5,2 @1102 depth 1
field KE:JUEZ2AC4 Decimal 3 5,2 @1105 depth 1
field KE:JUEZ3TC4 Decimal 3 5,2 @1108 depth 1
field KE:JUEZ3AC4 Decimal 3 5,2 @1111 depth 1
field KE:JUEZ4TC4 Decimal 3 5,2 @1114 depth 1
field KE:JUEZ4AC4 Decimal 3 5,2 @1117 depth 1
field KE:JUEZ5TC4 Decimal 3 5,2 @1120 depth 1
field KE:JUEZ5AC4 Decimal 3 5,2 @1123 depth 1
field KE:JUEZ6AC4 Decimal 3 5,2 @1126 depth 1
field KE:JUEZ6TC4 Decimal 3 5,2 @1129 depth 1
field KE:JUEZ7TC4 Decimal 3 5,2 @1132 depth 1
field KE:JUEZ7AC4 Decimal 3 5,2 @1135 depth 1
field KE:ResultadoC4 Decimal 3 5,2 @1138 depth 1
field KE:ResultadoTC4 Decimal 3 5,2 @1141 depth 1
field KE:ResultadoAC4 Decimal 3 5,2 @1144 depth 1
field KE:DOJONOMBRE4 Text 20 @1147 depth 1
field KE:COMPETIDOR5 Group 0 @1167 depth 0
field KE:NombreCompetidor5 Text 20 @1167 depth 1
field KE:AppelidoCompetidor5 Text 20 @1187 depth 1
field KE:COLORC5 Text 6 @1207 depth 1
field KE:KATAC5 Text 20 @1213 depth 1
field KE:PAISC5 Text 20 @1233 depth 1
field KE:JUEZ1TC5 Decimal 3 5,2 @1253 depth 1
field KE:JUEZ1AC5 Decimal 3 5,2 @1256 depth 1
field KE:JUEZ2TC5 Decimal 3 5,2 @1259 depth 1
field KE:JUEZ2AC5 Decimal 3 5,2 @1262 depth 1
field KE:JUEZ3TC5 Decimal 3 5,2 @1265 depth 1
field KE:JUEZ3AC5 Decimal 3 5,2 @1268 depth 1
field KE:JUEZ4TC5 Decimal 3 5,2 @1271 depth 1
field KE:JUEZ4AC5 Decimal 3 5,2 @1274 depth 1
field KE:JUEZ5TC5 Decimal 3 5,2 @1277 depth 1
field KE:JUEZ5AC5 Decimal 3 5,2 @1280 depth 1
field KE:JUEZ6AC5 Decimal 3 5,2 @1283 depth 1
field KE:JUEZ6TC5 Decimal 3 5,2 @1286 depth 1
field KE:JUEZ7TC5 Decimal 3 5,2 @1289 depth 1
field KE:JUEZ7AC5 Decimal 3 5,2 @1292 depth 1
field KE:ResultadoC5 Decimal 3 5,2 @1295 depth 1
field KE:ResultadoTC5 Decimal 3 5,2 @1298 depth 1
field KE:ResultadoAC5 Decimal 3 5,2 @1301 depth 1
field KE:DOJONOMBRE5 Text 20 @1304 depth 1
field KE:COMPETIDOR6 Group 0 @1324 depth 0
field KE:NombreCompetidor6 Text 20 @1324 depth 1
field KE:AppelidoCompetidor6 Text 20 @1344 depth 1
field KE:COLORC6 Text 6 @1364 depth 1
field KE:KATAC6 Text 20 @1370 depth 1
field KE:PAISC6 Text 20 @1390 depth 1
field KE:JUEZ1TC6 Decimal 3 5,2 @1410 depth 1
field KE:JUEZ1AC6 Decimal 3 5,2 @1413 depth 1
field KE:JUEZ2TC6 Decimal 3 5,2 @1416 depth 1
field KE:JUEZ2AC6 Decimal 3 5,2 @1419 depth 1
field KE:JUEZ3TC6 Decimal 3 5,2 @1422 depth 1
field KE:JUEZ3AC6 Decimal 3 5,2 @1425 depth 1
field KE:JUEZ4TC6 Decimal 3 5,2 @1428 depth 1
field KE:JUEZ4AC6 Decimal 3 5,2 @1431 depth 1
field KE:JUEZ5TC6 Decimal 3 5,2 @1434 depth 1
field KE:JUEZ5AC6 Decimal 3 5,2 @1437 depth 1
field KE:JUEZ6TC6 Decimal 3 5,2 @1440 depth 1
field KE:JUEZ6AC6 Decimal 3 5,2 @1443 depth 1
field KE:JUEZ7TC6 Decimal 3 5,2 @1446 depth 1
field KE:JUEZ7AC6 Decimal 3 5,2 @1449 depth 1
field KE:ResultadoC6 Decimal 3 5,2 @1452 depth 1
field KE:ResultadoTC6 Decimal 3 5,2 @1455 depth 1
field KE:ResultadoAC6 Decimal 3 5,2 @1458 depth 1
field KE:DOJONOMBRE6 Text 20 @1461 depth 1
field KE:COMPETIDOR7 Group 0 @1481 depth 0
field KE:NombreCompetidor7 Text 20 @1481 depth 1
field KE:AppelidoCompetidor7 Text 20 @1501 depth 1
field KE:COLORC7 Text 6 @1521 depth 1
field KE:KATAC7 Text 20 @1527 depth 1
field KE:PAISC7 Text 20 @1547 depth 1
field KE:JUEZ1TC7 Decimal 3 5,2 @1567 depth 1
field KE:JUEZ1AC7 Decimal 3 5,2 @1570 depth 1
field KE:JUEZ2TC7 Decimal 3 5,2 @1573 depth 1
field KE:JUEZ2AC7 Decimal 3 5,2 @1576 depth 1
field KE:JUEZ3TC7 Decimal 3 5,2 @1579 depth 1
field KE:JUEZ3AC7 Decimal 3 5,2 @1582 depth 1
field KE:JUEZ4TC7 Decimal 3 5,2 @1585 depth 1
field KE:JUEZ4AC7 Decimal 3 5,2 @1588 depth 1
field KE:JUEZ5TC7 Decimal 3 5,2 @1591 depth 1
field KE:JUEZ5AC7 Decimal 3 5,2 @1594 depth 1
field KE:JUEZ6TC7 Decimal 3 5,2 @1597 depth 1
field KE:JUEZ6AC7 Decimal 3 5,2 @1600 depth 1
field KE:JUEZ7TC7 Decimal 3 5,2 @1603 depth 1
field KE:JUEZ7AC7 Decimal 3 5,2 @1606 depth 1
field KE:ResultadoC7 Decimal 3 5,2 @1609 depth 1
field KE:ResultadoTC7 Decimal 3 5,2 @1612 depth 1
field KE:DOJONOMBRE7 Text 20 @1615 depth 1
field KE:ResultadoAC7 Decimal 3 5,2 @1635 depth 1
field KE:COMPETIDOR8 Group 0 @1638 depth 0
field KE:NombreCompetidor8 Text 20 @1638 depth 1
field KE:AppelidoCompetidor8 Text 20 @1658 depth 1
field KE:COLORC8 Text 6 @1678 depth 1
field KE:KATAC8 Text 20 @1684 depth 1
field KE:PAISC8 Text 20 @1704 depth 1
field KE:JUEZ1TC8 Decimal 3 5,2 @1724 depth 1
field KE:JUEZ1AC8 Decimal 3 5,2 @1727 depth 1
field KE:JUEZ2TC8 Decimal 3 5,2 @1730 depth 1
field KE:JUEZ2AC8 Decimal 3 5,2 @1733 depth 1
field KE:JUEZ3TC8 Decimal 3 5,2 @1736 depth 1
field KE:JUEZ3AC8 Decimal 3 5,2 @1739 depth 1
field KE:JUEZ4TC8 Decimal 3 5,2 @1742 depth 1
field KE:JUEZ4AC8 Decimal 3 5,2 @1745 depth 1
field KE:JUEZ5TC8 Decimal 3 5,2 @1748 depth 1
field KE:JUEZ5AC8 Decimal 3 5,2 @1751 depth 1
field KE:JUEZ6TC8 Decimal 3 5,2 @1754 depth 1
field KE:JUEZ6AC8 Decimal 3 5,2 @1757 depth 1
field KE:JUEZ7TC8 Decimal 3 5,2 @1760 depth 1
field KE:JUEZ7AC8 Decimal 3 5,2 @1763 depth 1
field KE:ResultadoC8 Decimal 3 5,2 @1766 depth 1
field KE:ResultadoTC8 Decimal 3 5,2 @1769 depth 1
field KE:ResultadoAC8 Decimal 3 5,2 @1772 depth 1
field KE:DOJONOMBRE8 Text 20 @1775 depth 1
field KE:REGISTRACION Group 0 @1795 depth 0
field KE:KeyDe357 Decimal 4 7,0 @1795 depth 1
field KE:RegistracionCompetidor1 Text 20 @1799 depth 1
field KE:RegistracionCApellido1 Text 20 @1819 depth 1
field KE:RegistracionCompetidor2 Text 20 @1839 depth 1
field KE:RegistracionCApellido2 Text 20 @1859 depth 1
field KE:RegistracionCompetidor3 Text 20 @1879 depth 1
field KE:RegistracionCApellido3 Text 20 @1899 depth 1
field KE:RegistracionCompetidor4 Text 20 @1919 depth 1
field KE:RegistracionCApellido4 Text 20 @1939 depth 1
field KE:RegistracionCompetidor5 Text 20 @1959 depth 1
field KE:RegistracionCApellido5 Text 20 @1979 depth 1
field KE:RegistracionCompetidor6 Text 20 @1999 depth 1
field KE:RegistracionCApellido6 Text 20 @2019 depth 1
field KE:RegistracionCompetidor7 Text 20 @2039 depth 1
field KE:RegistracionCApellido7 Text 20 @2059 depth 1
field KE:RegistracionCompetidor8 Text 20 @2079 depth 1
field KE:RegistracionCApellido8 Text 20 @2099 depth 1
field KE:EMPATES Group 0 @2119 depth 0
field KE:DESPLEGAEMPATES1 Decimal 4 7,2 @2119 depth 1
field KE:DESPLEGAEMPATES2 Decimal 4 7,2 @2123 depth 1
field KE:DESPLEGAEMPATES3 Decimal 4 7,2 @2127 depth 1
field KE:DESPLEGAEMPATES4 Decimal 4 7,2 @2131 depth 1
field KE:RESULTADOS Group 0 @2135 depth 0
field KE:PrimerLugarNombre Text 40 @2135 depth 1
field KE:PrimerLugarPuntos Decimal 3 5,2 @2175 depth 1
field KE:SegundoLugarNombre Text 40 @2178 depth 1
field KE:SegundoLugarPuntos Decimal 3 5,2 @2218 depth 1
field KE:SEGUNDOLUGARPUNTOS1 Decimal 3 5,2 @2221 depth 1
field KE:TercerLugarNombre Text 40 @2224 depth 1
field KE:TercerLugarPuntos Decimal 3 5,2 @2264 depth 1
field KE:CuartoLugarNombre Text 40 @2267 depth 1
field KE:CuartoLugarPuntos Decimal 3 5,2 @2307 depth 1
field KE:TRADICIONAL Group 0 @2310 depth 0
field KE:KTDBOXAC1 Decimal 4 7,0 @2310 depth 1
field KE:KTDBOXBC1 Decimal 4 7,0 @2314 depth 1
field KE:KTDBOXAC2 Decimal 4 7,0 @2318 depth 1
field KE:KTDBOXBC2 Decimal 4 7,0 @2322 depth 1
field KE:KTDBOXAC3 Decimal 4 7,0 @2326 depth 1
field KE:KTDBOXBC3 Decimal 4 7,0 @2330 depth 1
field KE:KTDBOXAC4 Decimal 4 7,0 @2334 depth 1
field KE:KTDBOXBC4 Decimal 4 7,0 @2338 depth 1
field KE:KTDBOXAC5 Decimal 4 7,0 @2342 depth 1
field KE:KTDBOXBC5 Decimal 4 7,0 @2346 depth 1
field KE:KTDBOXAC6 Decimal 4 7,0 @2350 depth 1
field KE:KTDBOXBC6 Decimal 4 7,0 @2354 depth 1
field KE:KTDBOXAC7 Decimal 4 7,0 @2358 depth 1
field KE:KTDBOXBC7 Decimal 4 7,0 @2362 depth 1
field KE:KTDBOXAC8 Decimal 4 7,0 @2366 depth 1
field KE:KTDBOXBC8 Decimal 4 7,0 @2370 depth 1
field KE:KTDESEAC1 Decimal 4 7,2 @2374 depth 1
field KE:KTDESEBC1 Decimal 4 7,2 @2378 depth 1
field KE:KTDESEAC2 Decimal 4 7,2 @2382 depth 1
field KE:KTDESEBC2 Decimal 4 7,2 @2386 depth 1
field KE:KTDESEAC3 Decimal 4 7,2 @2390 depth 1
field KE:KTDESEBC3 Decimal 4 7,2 @2394 depth 1
field KE:KTDESEAC4 Decimal 4 7,2 @2398 depth 1
field KE:KTDESEBC4 Decimal 4 7,2 @2402 depth 1
field KE:KTDESEAC5 Decimal 4 7,2 @2406 depth 1
field KE:KTDESEBC5 Decimal 4 7,2 @2410 depth 1
field KE:KTDESEAC6 Decimal 4 7,2 @2414 depth 1
field KE:KTDESEBC6 Decimal 4 7,2 @2418 depth 1
field KE:KTDESEAC7 Decimal 4 7,2 @2422 depth 1
field KE:KTDESEBC7 Decimal 4 7,2 @2426 depth 1
field KE:KTDESEAC8 Decimal 4 7,2 @2430 depth 1
field KE:KTDESEBC8 Decimal 4 7,2 @2434 depth 1
');
CREATE TABLE "KataEvent" (
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "CodigoEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Cerrar" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck1" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck2" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck3" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck4" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck5" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck6" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck7" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck8" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck9" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck10" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck11" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck12" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck13" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck14" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck15" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck16" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck17" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck18" NUMERIC NOT NULL DEFAULT 0,
  "NombreDeEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FechaDeEvento" TEXT NOT NULL DEFAULT '',
  "TatamiMatsNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "REGION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Modalidad" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Divicion" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CategoriaCode" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORAZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORROJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDEORGANIZADOR" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAJUEZCARD1" NUMERIC NOT NULL DEFAULT 0,
  "KATAJUEZCARD2" NUMERIC NOT NULL DEFAULT 0,
  "KATAJUEZCARD3" NUMERIC NOT NULL DEFAULT 0,
  "KATAJUEZCARD4" NUMERIC NOT NULL DEFAULT 0,
  "KATAJUEZCARD5" NUMERIC NOT NULL DEFAULT 0,
  "KATAJUEZCARD6" NUMERIC NOT NULL DEFAULT 0,
  "KATAJUEZCARD7" NUMERIC NOT NULL DEFAULT 0,
  "CARDMANUAL3" NUMERIC NOT NULL DEFAULT 0,
  "CARDMANUAL5" NUMERIC NOT NULL DEFAULT 0,
  "CARDMANUAL7" NUMERIC NOT NULL DEFAULT 0,
  "NombreCompetidor1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AppelidoCompetidor1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ResultadoC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC1" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoC1" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoAC1" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoTC1" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NombreCompetidor2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AppelidoCompetidor2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC2" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoTC2" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoAC2" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NombreCompetidor3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AppelidoCompetidor3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC3" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoC3" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoTC3" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoAC3" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NombreCompetidor4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AppelidoCompetidor4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC4" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoC4" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoTC4" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoAC4" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NombreCompetidor5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AppelidoCompetidor5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC5" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoC5" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoTC5" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoAC5" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NombreCompetidor6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AppelidoCompetidor6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC6" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoC6" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoTC6" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoAC6" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NombreCompetidor7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AppelidoCompetidor7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC7" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoC7" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoTC7" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ResultadoAC7" NUMERIC NOT NULL DEFAULT 0,
  "NombreCompetidor8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AppelidoCompetidor8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC8" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoC8" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoTC8" NUMERIC NOT NULL DEFAULT 0,
  "ResultadoAC8" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KeyDe357" NUMERIC NOT NULL DEFAULT 0,
  "RegistracionCompetidor1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCApellido1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCompetidor2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCApellido2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCompetidor3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCApellido3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCompetidor4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCApellido4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCompetidor5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCApellido5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCompetidor6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCApellido6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCompetidor7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCApellido7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCompetidor8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RegistracionCApellido8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DESPLEGAEMPATES1" NUMERIC NOT NULL DEFAULT 0,
  "DESPLEGAEMPATES2" NUMERIC NOT NULL DEFAULT 0,
  "DESPLEGAEMPATES3" NUMERIC NOT NULL DEFAULT 0,
  "DESPLEGAEMPATES4" NUMERIC NOT NULL DEFAULT 0,
  "PrimerLugarNombre" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PrimerLugarPuntos" NUMERIC NOT NULL DEFAULT 0,
  "SegundoLugarNombre" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SegundoLugarPuntos" NUMERIC NOT NULL DEFAULT 0,
  "SEGUNDOLUGARPUNTOS1" NUMERIC NOT NULL DEFAULT 0,
  "TercerLugarNombre" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TercerLugarPuntos" NUMERIC NOT NULL DEFAULT 0,
  "CuartoLugarNombre" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CuartoLugarPuntos" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXAC1" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXBC1" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXAC2" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXBC2" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXAC3" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXBC3" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXAC4" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXBC4" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXAC5" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXBC5" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXAC6" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXBC6" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXAC7" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXBC7" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXAC8" NUMERIC NOT NULL DEFAULT 0,
  "KTDBOXBC8" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEAC1" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEBC1" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEAC2" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEBC2" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEAC3" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEBC3" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEAC4" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEBC4" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEAC5" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEBC5" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEAC6" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEBC6" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEAC7" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEBC7" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEAC8" NUMERIC NOT NULL DEFAULT 0,
  "KTDESEBC8" NUMERIC NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX "KE:KeyNumeroDeCompetencia" ON "KataEvent" ("NumeroDeCompeticion" DESC);
CREATE INDEX "KE:KeyCodigoDeEvento" ON "KataEvent" ("CodigoEvento" COLLATE NOCASE);
CREATE INDEX "KE:KeyCategoriaCode" ON "KataEvent" ("CategoriaCode" COLLATE NOCASE);
CREATE INDEX "KE:KeyQueue" ON "KataEvent" ("Queue" COLLATE NOCASE);
CREATE INDEX "KE:KeyTatamiMatsNo" ON "KataEvent" ("TatamiMatsNo" COLLATE NOCASE);
CREATE INDEX "KE:KeyCategoriaModalidadDiviciones" ON "KataEvent" ("Modalidad" COLLATE NOCASE, "CategoriaCode" COLLATE NOCASE, "Divicion" COLLATE NOCASE);
CREATE INDEX "KE:KeyModalidad" ON "KataEvent" ("Modalidad" COLLATE NOCASE);
CREATE INDEX "KE:KeyColorC1" ON "KataEvent" ("COLORC1" COLLATE NOCASE);
CREATE INDEX "KE:KeyNombreCompetidor1" ON "KataEvent" ("NombreCompetidor1" COLLATE NOCASE);
CREATE INDEX "KE:KeyAppelidoCompetidor1" ON "KataEvent" ("AppelidoCompetidor1" COLLATE NOCASE);
CREATE INDEX "KE:KeyFechaDeEvento" ON "KataEvent" ("FechaDeEvento");
CREATE INDEX "KE:KEYDivicionCode" ON "KataEvent" ("CategoriaCode" COLLATE NOCASE);
CREATE INDEX "KE:KeyNombreDeOrganizador" ON "KataEvent" ("NOMBREDEORGANIZADOR" COLLATE NOCASE);
CREATE INDEX "KE:KeyResultados" ON "KataEvent" ("ResultadoC1", "ResultadoC2", "ResultadoC3", "ResultadoC4", "ResultadoC5", "ResultadoC6", "ResultadoC7", "ResultadoC8");
CREATE INDEX "KE:KeyNombresCompetidores" ON "KataEvent" ("NombreCompetidor1" COLLATE NOCASE, "NombreCompetidor2" COLLATE NOCASE, "NombreCompetidor3" COLLATE NOCASE, "NombreCompetidor4" COLLATE NOCASE, "NombreCompetidor5" COLLATE NOCASE, "NombreCompetidor6" COLLATE NOCASE, "NombreCompetidor7" COLLATE NOCASE, "NombreCompetidor8" COLLATE NOCASE);
CREATE INDEX "KE:KeyPuntuacionC1" ON "KataEvent" ("ResultadoC1");
CREATE INDEX "KE:KeyPuntuacionC2" ON "KataEvent" ("ResultadoC2");
CREATE INDEX "KE:KeyPuntuacionC3" ON "KataEvent" ("ResultadoC3");
CREATE INDEX "KE:KeyPuntuacionC4" ON "KataEvent" ("ResultadoC4");
CREATE INDEX "KE:KeyPuntuacionC5" ON "KataEvent" ("ResultadoC5");
CREATE INDEX "KE:KeyPuntuacionC6" ON "KataEvent" ("ResultadoC6");
CREATE INDEX "KE:KeyPuntuacionC7" ON "KataEvent" ("ResultadoC7");
CREATE INDEX "KE:KeyPuntuacionC8" ON "KataEvent" ("ResultadoC8");
CREATE INDEX "KE:KeyCompetidor1" ON "KataEvent" ("NombreCompetidor1" COLLATE NOCASE, "AppelidoCompetidor1" COLLATE NOCASE);
CREATE INDEX "KE:KeyCompetidor2" ON "KataEvent" ("NombreCompetidor2" COLLATE NOCASE, "AppelidoCompetidor2" COLLATE NOCASE);
CREATE INDEX "KE:KeyCompetidor3" ON "KataEvent" ("NombreCompetidor3" COLLATE NOCASE, "AppelidoCompetidor3" COLLATE NOCASE);
CREATE INDEX "KE:KeyCompetidor4" ON "KataEvent" ("NombreCompetidor4" COLLATE NOCASE, "AppelidoCompetidor4" COLLATE NOCASE);
CREATE INDEX "KE:KeyCompetidor5" ON "KataEvent" ("NombreCompetidor5" COLLATE NOCASE, "AppelidoCompetidor5" COLLATE NOCASE);
CREATE INDEX "KE:KeyCompetidor6" ON "KataEvent" ("NombreCompetidor6" COLLATE NOCASE, "AppelidoCompetidor6" COLLATE NOCASE);
CREATE INDEX "KE:KeyCompetidor7" ON "KataEvent" ("NombreCompetidor7" COLLATE NOCASE, "AppelidoCompetidor7" COLLATE NOCASE);
CREATE INDEX "KE:KeyCompetidor8" ON "KataEvent" ("NombreCompetidor8" COLLATE NOCASE, "AppelidoCompetidor8" COLLATE NOCASE);
CREATE INDEX "KE:KeyDojoName" ON "KataEvent" ("DOJONOMBRE1" COLLATE NOCASE);
CREATE INDEX "KE:KeyNombreDeCompetidor" ON "KataEvent" ("NombreCompetidor1" COLLATE NOCASE, "AppelidoCompetidor1" COLLATE NOCASE);
CREATE INDEX "KE:KeyPociciondeGanadores" ON "KataEvent" ("ResultadoC1");
COMMIT;

-- KumiteIndividual
.open KumiteIndividual.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KumiteIndividual'),
  ('signature', 'table KumiteIndividual record 4348
field KE24:IDNumeroDeEventoKIndividual Long 4 @0 depth 0
field KE24:FechaEvento Date 4 @4 depth 0
field KE24:CodigoDeEvento Text 20 @8 depth 0
field KE24:Cerrar Decimal 4 7,0 @28 depth 0
field KE24:ManualEntry Decimal 4 7,0 @32 depth 0
field KE24:NombreDelEvento Text 50 @36 depth 0
field KE24:TatamiMatsNo Text 30 @86 depth 0
field KE24:Queue Text 20 @116 depth 0
field KE24:DirecionDelEvento Text 50 @136 depth 0
field KE24:KeyDe4816 Decimal 4 7,0 @186 depth 0
field KE24:Categoria Text 45 @190 depth 0
field KE24:Categoria_CM Text 45 @235 depth 0
field KE24:Divicion Text 45 @280 depth 0
field KE24:Modalidad Text 45 @325 depth 0
field KE24:ONDECK Group 0 @370 depth 0
field KE24:ReadyCompetitorDojoAka Text 45 @370 depth 1
field KE24:ReadyCompetitorAka Text 45 @415 depth 1
field KE24:ReadyCompetitorDojoAo Text 45 @460 depth 1
field KE24:ReadyCompetitorAo Text 45 @505 depth 1
field KE24:OnDeck1 Decimal 4 7,0 @550 depth 1
field KE24:OnDeck2 Decimal 4 7,0 @554 depth 1
field KE24:OnDeck3 Decimal 4 7,0 @558 depth 1
field KE24:OnDeck4 Decimal 4 7,0 @562 depth 1
field KE24:OnDeck5 Decimal 4 7,0 @566 depth 1
field KE24:OnDeck6 Decimal 4 7,0 @570 depth 1
field KE24:OnDeck7 Decimal 4 7,0 @574 depth 1
field KE24:OnDeck8 Decimal 4 7,0 @578 depth 1
field KE24:OnDeck9 Decimal 4 7,0 @582 depth 1
field KE24:OnDeck10 Decimal 4 7,0 @586 depth 1
field KE24:OnDeck11 Decimal 4 7,0 @590 depth 1
field KE24:OnDeck12 Decimal 4 7,0 @594 depth 1
field KE24:OnDeck13 Decimal 4 7,0 @598 depth 1
field KE24:OnDeck14 Decimal 4 7,0 @602 depth 1
field KE24:OnDeck15 Decimal 4 7,0 @606 depth 1
field KE24:OnDeck16 Decimal 4 7,0 @610 depth 1
field KE24:OnDeck17 Decimal 4 7,0 @614 depth 1
field KE24:OnDeck18 Decimal 4 7,0 @618 depth 1
field KE24:OnDeck19 Decimal 4 7,0 @622 depth 1
field KE24:OnDeck20 Decimal 4 7,0 @626 depth 1
field KE24:OnDeck21 Decimal 4 7,0 @630 depth 1
field KE24:COMBAT Group 0 @634 depth 0
field KE24:RONDA1ACM1 Decimal 4 7,0 @634 depth 1
field KE24:RONDA1ACM2 Decimal 4 7,0 @638 depth 1
field KE24:RONDA1ACM3 Decimal 4 7,0 @642 depth 1
field KE24:RONDA1ACM4 Decimal 4 7,0 @646 depth 1
field KE24:RONDA2ACM1 Decimal 4 7,0 @650 depth 1
field KE24:RONDA2ACM2 Decimal 4 7,0 @654 depth 1
field KE24:RONDA3ACM1 Decimal 4 7,0 @658 depth 1
field KE24:RONDAFINALCM1 Decimal 4 7,0 @662 depth 1
field KE24:RONDA1BCM1 Decimal 4 7,0 @666 depth 1
field KE24:RONDA1BCM2 Decimal 4 7,0 @670 depth 1
field KE24:RONDA1BCM3 Decimal 4 7,0 @674 depth 1
field KE24:RONDA1BCM4 Decimal 4 7,0 @678 depth 1
field KE24:RONDA2BCM1 Decimal 4 7,0 @682 depth 1
field KE24:RONDA2BCM2 Decimal 4 7,0 @686 depth 1
field KE24:RONDA3BCM1 Decimal 4 7,0 @690 depth 1
field KE24:GANAA Decimal 4 7,0 @694 depth 1
field KE24:GANAB Decimal 4 7,0 @698 depth 1
field KE24:REPECA Group 0 @702 depth 0
field KE24:REPECA1 Decimal 4 7,0 @702 depth 1
field KE24:REPECA2 Decimal 4 7,0 @706 depth 1
field KE24:REPECA3 Decimal 4 7,0 @710 depth 1
field KE24:REPECA4 Decimal 4 7,0 @714 depth 1
field KE24:REPECA1_B Decimal 4 7,0 @718 depth 1
field KE24:REPECA2_B Decimal 4 7,0 @722 depth 1
field KE24:REPECA3_B Decimal 4 7,0 @726 depth 1
field KE24:REPECA4_B Decimal 4 7,0 @730 depth 1
field KE24:REGISRC1B Decimal 4 7,0 @734 depth 1
field KE24:REGISTERS Group 0 @738 depth 0
field KE24:REGIS1DOJO Text 20 @738 depth 1
field KE24:REGISPC1 Decimal 4 7,0 @758 depth 1
field KE24:REGIS2AZUL Text 30 @762 depth 1
field KE24:REGISR2DOJO Text 20 @792 depth 1
field KE24:REGISRC2B Decimal 4 7,0 @812 depth 1
field KE24:REGISPC2 Decimal 4 7,0 @816 depth 1
field KE24:REGIS3ROJO Text 30 @820 depth 1
field KE24:REGIS3DOJO Text 20 @850 depth 1
field KE24:REGISRC3B Decimal 4 7,0 @870 depth 1
field KE24:REGISPC3 Decimal 4 7,0 @874 depth 1
field KE24:REGIS4AZUL Text 30 @878 depth 1
field KE24:REGIS4DOJO Text 20 @908 depth 1
field KE24:REGISRC4B Decimal 4 7,0 @928 depth 1
field KE24:REGISPC4 Decimal 4 7,0 @932 depth 1
field KE24:REGISR5ROJO Text 30 @936 depth 1
field KE24:REGIS5DOJO Text 20 @966 depth 1
field KE24:REGISRC5B Decimal 4 7,0 @986 depth 1
field KE24:REGISPC5 Decimal 4 7,0 @990 depth 1
field KE24:REGIS6AZUL Text 30 @994 depth 1
field KE24:REGIS6DOJO Text 20 @1024 depth 1
field KE24:REGISRC6B Decimal 4 7,0 @1044 depth 1
field KE24:REGISPC6 Decimal 4 7,0 @1048 depth 1
field KE24:REGIS7ROJO Text 30 @1052 depth 1
field KE24:REGIS7DOJO Text 20 @1082 depth 1
field KE24:REGISRC7B Decimal 4 7,0 @1102 depth 1
field KE24:REGISPC7 Decimal 4 7,0 @1106 depth 1
field KE24:REGIS8AZUL Text 30 @1110 depth 1
field KE24:REGIS8DOJO Text 20 @1140 depth 1
field KE24:REGISRC8B Decimal 4 7,0 @1160 depth 1
field KE24:REGISPC8 Decimal 4 7,0 @1164 depth 1
field KE24:LLAVEA Group 0 @1168 depth 0
field KE24:COMPETIDOR1ROJOAZUL Text 30 @1168 depth 1
field KE24:COMPETIDOR1DOJO Text 20 @1198 depth 1
field KE24:RESULTADOC1B Decimal 4 7,0 @1218 depth 1
field KE24:PUNTOSC1 Decimal 4 7,0 @1222 depth 1
field KE24:COMPETIDOR2AZUL Text 30 @1226 depth 1
field KE24:COMPETIDOR2DOJO Text 20 @1256 depth 1
field KE24:RESULTADOC2B Decimal 4 7,0 @1276 depth 1
field KE24:PUNTOSC2 Decimal 4 7,0 @1280 depth 1
field KE24:COMPETIDOR3ROJO Text 30 @1284 depth 1
field KE24:COMPETIDOR3DOJO Text 20 @1314 depth 1
field KE24:RESULTADOC3B Decimal 4 7,0 @1334 depth 1
field KE24:PUNTOSC3 Decimal 4 7,0 @1338 depth 1
field KE24:COMPETIDOR4AZUL Text 30 @1342 depth 1
field KE24:COMPETIDOR4DOJO Text 20 @1372 depth 1
field KE24:RESULTADOC4B Decimal 4 7,0 @1392 depth 1
field KE24:PUNTOSC4 Decimal 4 7,0 @1396 depth 1
field KE24:COMPETIDOR5ROJO Text 30 @1400 depth 1
field KE24:COMPETIDOR5DOJO Text 20 @1430 depth 1
field KE24:RESULTADOC5B Decimal 4 7,0 @1450 depth 1
field KE24:PUNTOSC5 Decimal 4 7,0 @1454 depth 1
field KE24:COMPETIDOR6AZUL Text 30 @1458 depth 1
field KE24:COMPETIDOR6DOJO Text 20 @1488 depth 1
field KE24:RESULTADOC6B Decimal 4 7,0 @1508 depth 1
field KE24:PUNTOSC6 Decimal 4 7,0 @1512 depth 1
field KE24:COMPETIDOR7ROJO Text 30 @1516 depth 1
field KE24:COMPETIDOR7DOJO Text 20 @1546 depth 1
field KE24:RESULTADOC7B Decimal 4 7,0 @1566 depth 1
field KE24:PUNTOSC7 Decimal 4 7,0 @1570 depth 1
field KE24:COMPETIDOR8AZUL Text 30 @1574 depth 1
field KE24:COMPETIDOR8DOJO Text 20 @1604 depth 1
field KE24:RESULTADOC8B Decimal 4 7,0 @1624 depth 1
field KE24:PUNTOSC8 Decimal 4 7,0 @1628 depth 1
field KE24:CRONDAA2R Text 30 @1632 depth 1
field KE24:DRONDAA2R Text 20 @1662 depth 1
field KE24:RRONDAA2R Decimal 4 7,0 @1682 depth 1
field KE24:PRONDAA2R Decimal 4 7,0 @1686 depth 1
field KE24:CRONDAA2A Text 30 @1690 depth 1
field KE24:DRONDAA2A Text 20 @1720 depth 1
field KE24:RRONDAA2A Decimal 4 7,0 @1740 depth 1
field KE24:PRONDAA2A Decimal 4 7,0 @1744 depth 1
field KE24:CRONDAB2R Text 30 @1748 depth 1
field KE24:DRONDAB2R Text 20 @1778 depth 1
field KE24:RRONDAB2R Decimal 4 7,0 @1798 depth 1
field KE24:PRONDAB2R Decimal 4 7,0 @1802 depth 1
field KE24:CRONDAB2A Text 30 @1806 depth 1
field KE24:DRONDAB2A Text 20 @1836 depth 1
field KE24:RRONDAB2A Decimal 4 7,0 @1856 depth 1
field KE24:PRONDAB2A Decimal 4 7,0 @1860 depth 1
field KE24:CFINALA3R Text 30 @1864 depth 1
field KE24:DFINALA3R Text 20 @1894 depth 1
field KE24:RFINALA3R Decimal 4 7,0 @1914 depth 1
field KE24:PFINALA3R Decimal 4 7,0 @1918 depth 1
field KE24:CFINALB3A Text 30 @1922 depth 1
field KE24:DFINALB3A Text 20 @1952 depth 1
field KE24:RFINALB3A Decimal 4 7,0 @1972 depth 1
field KE24:PFINALB3A Decimal 4 7,0 @1976 depth 1
field KE24:CGanador Text 30 @1980 depth 1
field KE24:DGANADOR Text 20 @2010 depth 1
field KE24:RGANADOR Decimal 4 7,0 @2030 depth 1
field KE24:PGANADOR Decimal 4 7,0 @2034 depth 1
field KE24:CREPECA1A Text 30 @2038 depth 1
field KE24:DREPECA1A Text 20 @2068 depth 1
field KE24:RREPECA1A Decimal 4 7,0 @2088 depth 1
field KE24:PCREPECA1A Decimal 4 7,0 @2092 depth 1
field KE24:CREPECA1AA Text 30 @2096 depth 1
field KE24:DREPECA1AA Text 20 @2126 depth 1
field KE24:RREPECA1AA Decimal 4 7,0 @2146 depth 1
field KE24:PREPECA1AA Decimal 4 7,0 @2150 depth 1
field KE24:CREPECA1B Text 30 @2154 depth 1
field KE24:DREPECA1B Text 20 @2184 depth 1
field KE24:RREPECA1B Decimal 4 7,0 @2204 depth 1
field KE24:PREPECA1B Decimal 4 7,0 @2208 depth 1
field KE24:CREPECA1BB Text 30 @2212 depth 1
field KE24:DREPECA1BB Text 20 @2242 depth 1
field KE24:RREPECA1BB Decimal 4 7,0 @2262 depth 1
field KE24:PREPECA1BB Decimal 4 7,0 @2266 depth 1
field KE24:CREPECA1W Text 30 @2270 depth 1
field KE24:DREPECA1W Text 20 @2300 depth 1
field KE24:RREPECA1W Decimal 4 7,0 @2320 depth 1
field KE24:PREPECA1W Decimal 4 7,0 @2324 depth 1
field KE24:CREPECAF Text 30 @2328 depth 1
field KE24:DREPECAF Text 20 @2358 depth 1
field KE24:RREPECAF Decimal 4 7,0 @2378 depth 1
field KE24:PREPECAF Decimal 4 7,0 @2382 depth 1
field KE24:LLAVEB Group 0 @2386 depth 0
field KE24:REGIS1ROJO Text 30 @2386 depth 1
field KE24:REGIS1ROJO_B Text 30 @2416 depth 1
field KE24:REGIS1DOJO_B Text 20 @2446 depth 1
field KE24:REGISRC1B_B Decimal 4 7,0 @2466 depth 1
field KE24:REGISPC1_B Decimal 4 7,0 @2470 depth 1
field KE24:REGIS2AZUL_B Text 30 @2474 depth 1
field KE24:REGISR2DOJO_B Text 20 @2504 depth 1
field KE24:REGISRC2B_B Decimal 4 7,0 @2524 depth 1
field KE24:REGISPC2_B Decimal 4 7,0 @2528 depth 1
field KE24:REGIS3ROJO_B Text 30 @2532 depth 1
field KE24:REGIS3DOJO_B Text 20 @2562 depth 1
field KE24:REGISRC3B_B Decimal 4 7,0 @2582 depth 1
field KE24:REGISPC3_B Decimal 4 7,0 @2586 depth 1
field KE24:REGIS4AZUL_B Text 30 @2590 depth 1
field KE24:REGIS4DOJO_B Text 20 @2620 depth 1
field KE24:REGISRC4B_B Decimal 4 7,0 @2640 depth 1
field KE24:REGISPC4_B Decimal 4 7,0 @2644 depth 1
field KE24:REGISR5ROJO_B Text 30 @2648 depth 1
field KE24:REGIS5DOJO_B Text 20 @2678 depth 1
field KE24:REGISRC5B_B Decimal 4 7,0 @2698 depth 1
field KE24:REGISPC5_B Decimal 4 7,0 @2702 depth 1
field KE24:REGIS6AZUL_B Text 30 @2706 depth 1
field KE24:REGIS6DOJO_B Text 20 @2736 depth 1
field KE24:REGISRC6B_B Decimal 4 7,0 @2756 depth 1
field KE24:REGISPC6_B Decimal 4 7,0 @2760 depth 1
field KE24:REGIS7ROJO_B Text 30 @2764 depth 1
field KE24:REGIS7DOJO_B Text 20 @2794 depth 1
field KE24:REGISRC7B_B Decimal 4 7,0 @2814 depth 1
field KE24:REGISPC7_B Decimal 4 7,0 @2818 depth 1
field KE24:REGIS8AZUL_B Text 30 @2822 depth 1
field KE24:REGIS8DOJO_B Text 20 @2852 depth 1
field KE24:REGISRC8B_B Decimal 4 7,0 @2872 depth 1
field KE24:REGISPC8_B Decimal 4 7,0 @2876 depth 1
field KE24:COMPETIDOR1ROJOAZUL_B Text 30 @2880 depth 1
field KE24:COMPETIDOR1DOJO_B Text 20 @2910 depth 1
field KE24:RESULTADOC1B_B Decimal 4 7,0 @2930 depth 1
field KE24:PUNTOSC1_B Decimal 4 7,0 @2934 depth 1
field KE24:COMPETIDOR2AZUL_B Text 30 @2938 depth 1
field KE24:COMPETIDOR2DOJO_B Text 20 @2968 depth 1
field KE24:RESULTADOC2B_B Decimal 4 7,0 @2988 depth 1
field KE24:PUNTOSC2_B Decimal 4 7,0 @2992 depth 1
field KE24:COMPETIDOR3ROJO_B Text 30 @2996 depth 1
field KE24:COMPETIDOR3DOJO_B Text 20 @3026 depth 1
field KE24:RESULTADOC3B_B Decimal 4 7,0 @3046 depth 1
field KE24:PUNTOSC3_B Decimal 4 7,0 @3050 depth 1
field KE24:COMPETIDOR4AZUL_B Text 30 @3054 depth 1
field KE24:COMPETIDOR4DOJO_B Text 20 @3084 depth 1
field KE24:RESULTADOC4B_B Decimal 4 7,0 @3104 depth 1
field KE24:PUNTOSC4_B Decimal 4 7,0 @3108 depth 1
field KE24:COMPETIDOR5ROJO_B Text 30 @3112 depth 1
field KE24:COMPETIDOR5DOJO_B Text 20 @3142 depth 1
field KE24:RESULTADOC5B_B Decimal 4 7,0 @3162 depth 1
field KE24:PUNTOSC5_B Decimal 4 7,0 @3166 depth 1
field KE24:COMPETIDOR6AZUL_B Text 30 @3170 depth 1
field KE24:COMPETIDOR6DOJO_B Text 20 @3200 depth 1
field KE24:RESULTADOC6B_B Decimal 4 7,0 @3220 depth 1
field KE24:PUNTOSC6_B Decimal 4 7,0 @3224 depth 1
field KE24:COMPETIDOR7ROJO_B Text 30 @3228 depth 1
field KE24:COMPETIDOR7DOJO_B Text 20 @3258 depth 1
field KE24:RESULTADOC7B_B Decimal 4 7,0 @3278 depth 1
field KE24:PUNTOSC7_B Decimal 4 7,0 @3282 depth 1
field KE24:COMPETIDOR8AZUL_B Text 30 @3286 depth 1
field KE24:COMPETIDOR8DOJO_B Text 20 @3316 depth 1
field KE24:RESULTADOC8B_B Decimal 4 7,0 @3336 depth 1
field KE24:PUNTOSC8_B Decimal 4 7,0 @3340 depth 1
field KE24:CRONDAA2R_B Text 30 @3344 depth 1
field KE24:DRONDAA2R_B Text 20 @3374 depth 1
field KE24:RRONDAA2R_B Decimal 4 7,0 @3394 depth 1
field KE24:PRONDAA2R_B Decimal 4 7,0 @3398 depth 1
field KE24:CRONDAA2A_B Text 30 @3402 depth 1
field KE24:DRONDAA2A_B Text 20 @3432 depth 1
field KE24:RRONDAA2A_B Decimal 4 7,0 @3452 depth 1
field KE24:PRONDAA2A_B Decimal 4 7,0 @3456 depth 1
field KE24:CRONDAB2R_B Text 30 @3460 depth 1
field KE24:DRONDAB2R_B Text 20 @3490 depth 1
field KE24:RRONDAB2R_B Decimal 4 7,0 @3510 depth 1
field KE24:PRONDAB2R_B Decimal 4 7,0 @3514 depth 1
field KE24:CRONDAB2A_B Text 30 @3518 depth 1
field KE24:DRONDAB2A_B Text 20 @3548 depth 1
field KE24:RRONDAB2A_B Decimal 4 7,0 @3568 depth 1
field KE24:PRONDAB2A_B Decimal 4 7,0 @3572 depth 1
field KE24:CFINALA3R_B Text 30 @3576 depth 1
field KE24:DFINALA3R_B Text 20 @3606 depth 1
field KE24:RFINALA3R_B Decimal 4 7,0 @3626 depth 1
field KE24:PFINALA3R_B Decimal 4 7,0 @3630 depth 1
field KE24:CFINALB3A_B Text 30 @3634 depth 1
field KE24:DFINALB3A_B Text 20 @3664 depth 1
field KE24:RFINALB3A_B Decimal 4 7,0 @3684 depth 1
field KE24:PFINALB3A_B Decimal 4 7,0 @3688 depth 1
field KE24:CGANADOR_B Text 30 @3692 depth 1
field KE24:DGANADOR_B Text 20 @3722 depth 1
field KE24:RGANADOR_B Decimal 4 7,0 @3742 depth 1
field KE24:PGANADOR_B Decimal 4 7,0 @3746 depth 1
field KE24:CREPECA1A_B Text 30 @3750 depth 1
field KE24:DREPECA1A_B Text 20 @3780 depth 1
field KE24:PCREPECA1A_B Decimal 4 7,0 @3800 depth 1
field KE24:RREPECA1A_B Decimal 4 7,0 @3804 depth 1
field KE24:CREPECA1AA_B Text 30 @3808 depth 1
field KE24:DREPECA1AA_B Text 20 @3838 depth 1
field KE24:RREPECA1AA_B Decimal 4 7,0 @3858 depth 1
field KE24:PREPECA1AA_B Decimal 4 7,0 @3862 depth 1
field KE24:CREPECA1B_B Text 30 @3866 depth 1
field KE24:DREPECA1B_B Text 20 @3896 depth 1
field KE24:RREPECA1B_B Decimal 4 7,0 @3916 depth 1
field KE24:PREPECA1B_B Decimal 4 7,0 @3920 depth 1
field KE24:CREPECA1BB_B Text 30 @3924 depth 1
field KE24:DREPECA1BB_B Text 20 @3954 depth 1
field KE24:RREPECA1BB_B Decimal 4 7,0 @3974 depth 1
field KE24:PREPECA1BB_B Decimal 4 7,0 @3978 depth 1
field KE24:CREPECA1W_B Text 30 @3982 depth 1
field KE24:DREPECA1W_B Text 20 @4012 depth 1
field KE24:RREPECA1W_B Decimal 4 7,0 @4032 depth 1
field KE24:PREPECA1W_B Decimal 4 7,0 @4036 depth 1
field KE24:RESULTS Group 0 @4040 depth 0
field KE24:PRIMERLUGARORO Text 20 @4040 depth 1
field KE24:PRIMERLUGARPUNTOS Decimal 4 7,0 @4060 depth 1
field KE24:SEGUNDOLUGARPLATA Text 20 @4064 depth 1
field KE24:SEGUNDOLUGARPUNTOS Decimal 4 7,0 @4084 depth 1
field KE24:SUPERTERCERLUGARBRONCE Text 20 @4088 depth 1
field KE24:SUPERTERCEROPUNTOS Decimal 4 7,0 @4108 depth 1
field KE24:CUARTOLUGARBRONCE Text 20 @4112 depth 1
field KE24:CUARTOLUGARPUNTOS Decimal 4 7,0 @4132 depth 1
field KE24:PRIMERLUGARORO_B Text 20 @4136 depth 1
field KE24:PRIMERLUGARPUNTOS_B Decimal 4 7,0 @4156 depth 1
field KE24:SEGUNDOLUGARPLATA_B Text 20 @4160 depth 1
field KE24:SEGUNDOLUGARPUNTOS_B Decimal 4 7,0 @4180 depth 1
field KE24:SUPERTERCERLUGARBRONCE_B Text 20 @4184 depth 1
field KE24:SUPERTERCEROPUNTOS_B Decimal 4 7,0 @4204 depth 1
field KE24:CUARTOLUGARBRONCE_B Text 20 @4208 depth 1
field KE24:CUARTOLUGARPUNTOS_B Decimal 4 7,0 @4228 depth 1
field KE24:CREPECAT1 Text 30 @4232 depth 1
field KE24:DREPECAT2 Text 20 @4262 depth 1
field KE24:RREPECAT3 Decimal 4 7,0 @4282 depth 1
field KE24:PREPECAT4 Decimal 4 7,0 @4286 depth 1
field KE24:CREPECAT1_B Text 30 @4290 depth 1
field KE24:DREPECAT2_B Text 20 @4320 depth 1
field KE24:RREPECAT3_B Decimal 4 7,0 @4340 depth 1
field KE24:PREPECAT4_B Decimal 4 7,0 @4344 depth 1
');
CREATE TABLE "KumiteIndividual" (
  "IDNumeroDeEventoKIndividual" INTEGER NOT NULL DEFAULT 0,
  "FechaEvento" TEXT NOT NULL DEFAULT '',
  "CodigoDeEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Cerrar" NUMERIC NOT NULL DEFAULT 0,
  "ManualEntry" NUMERIC NOT NULL DEFAULT 0,
  "NombreDelEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TatamiMatsNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "DirecionDelEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KeyDe4816" NUMERIC NOT NULL DEFAULT 0,
  "Categoria" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Categoria_CM" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Divicion" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Modalidad" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ReadyCompetitorDojoAka" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ReadyCompetitorAka" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ReadyCompetitorDojoAo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ReadyCompetitorAo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "OnDeck1" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck2" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck3" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck4" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck5" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck6" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck7" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck8" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck9" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck10" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck11" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck12" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck13" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck14" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck15" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck16" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck17" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck18" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck19" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck20" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck21" NUMERIC NOT NULL DEFAULT 0,
  "RONDA1ACM1" NUMERIC NOT NULL DEFAULT 0,
  "RONDA1ACM2" NUMERIC NOT NULL DEFAULT 0,
  "RONDA1ACM3" NUMERIC NOT NULL DEFAULT 0,
  "RONDA1ACM4" NUMERIC NOT NULL DEFAULT 0,
  "RONDA2ACM1" NUMERIC NOT NULL DEFAULT 0,
  "RONDA2ACM2" NUMERIC NOT NULL DEFAULT 0,
  "RONDA3ACM1" NUMERIC NOT NULL DEFAULT 0,
  "RONDAFINALCM1" NUMERIC NOT NULL DEFAULT 0,
  "RONDA1BCM1" NUMERIC NOT NULL DEFAULT 0,
  "RONDA1BCM2" NUMERIC NOT NULL DEFAULT 0,
  "RONDA1BCM3" NUMERIC NOT NULL DEFAULT 0,
  "RONDA1BCM4" NUMERIC NOT NULL DEFAULT 0,
  "RONDA2BCM1" NUMERIC NOT NULL DEFAULT 0,
  "RONDA2BCM2" NUMERIC NOT NULL DEFAULT 0,
  "RONDA3BCM1" NUMERIC NOT NULL DEFAULT 0,
  "GANAA" NUMERIC NOT NULL DEFAULT 0,
  "GANAB" NUMERIC NOT NULL DEFAULT 0,
  "REPECA1" NUMERIC NOT NULL DEFAULT 0,
  "REPECA2" NUMERIC NOT NULL DEFAULT 0,
  "REPECA3" NUMERIC NOT NULL DEFAULT 0,
  "REPECA4" NUMERIC NOT NULL DEFAULT 0,
  "REPECA1_B" NUMERIC NOT NULL DEFAULT 0,
  "REPECA2_B" NUMERIC NOT NULL DEFAULT 0,
  "REPECA3_B" NUMERIC NOT NULL DEFAULT 0,
  "REPECA4_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISRC1B" NUMERIC NOT NULL DEFAULT 0,
  "REGIS1DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISPC1" NUMERIC NOT NULL DEFAULT 0,
  "REGIS2AZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISR2DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC2B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC2" NUMERIC NOT NULL DEFAULT 0,
  "REGIS3ROJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS3DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC3B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC3" NUMERIC NOT NULL DEFAULT 0,
  "REGIS4AZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS4DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC4B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC4" NUMERIC NOT NULL DEFAULT 0,
  "REGISR5ROJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS5DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC5B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC5" NUMERIC NOT NULL DEFAULT 0,
  "REGIS6AZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS6DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC6B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC6" NUMERIC NOT NULL DEFAULT 0,
  "REGIS7ROJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS7DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC7B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC7" NUMERIC NOT NULL DEFAULT 0,
  "REGIS8AZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS8DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC8B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC8" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR1ROJOAZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR1DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR2AZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR2DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR3ROJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR3DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR4AZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR4DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR5ROJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR5DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR6AZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR6DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC6B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC6" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR7ROJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR7DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC7B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC7" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR8AZUL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR8DOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC8B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC8" NUMERIC NOT NULL DEFAULT 0,
  "CRONDAA2R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DRONDAA2R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RRONDAA2R" NUMERIC NOT NULL DEFAULT 0,
  "PRONDAA2R" NUMERIC NOT NULL DEFAULT 0,
  "CRONDAA2A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DRONDAA2A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RRONDAA2A" NUMERIC NOT NULL DEFAULT 0,
  "PRONDAA2A" NUMERIC NOT NULL DEFAULT 0,
  "CRONDAB2R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DRONDAB2R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RRONDAB2R" NUMERIC NOT NULL DEFAULT 0,
  "PRONDAB2R" NUMERIC NOT NULL DEFAULT 0,
  "CRONDAB2A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DRONDAB2A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RRONDAB2A" NUMERIC NOT NULL DEFAULT 0,
  "PRONDAB2A" NUMERIC NOT NULL DEFAULT 0,
  "CFINALA3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DFINALA3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RFINALA3R" NUMERIC NOT NULL DEFAULT 0,
  "PFINALA3R" NUMERIC NOT NULL DEFAULT 0,
  "CFINALB3A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DFINALB3A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RFINALB3A" NUMERIC NOT NULL DEFAULT 0,
  "PFINALB3A" NUMERIC NOT NULL DEFAULT 0,
  "CGanador" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DGANADOR" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RGANADOR" NUMERIC NOT NULL DEFAULT 0,
  "PGANADOR" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1A" NUMERIC NOT NULL DEFAULT 0,
  "PCREPECA1A" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1AA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1AA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1AA" NUMERIC NOT NULL DEFAULT 0,
  "PREPECA1AA" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1B" NUMERIC NOT NULL DEFAULT 0,
  "PREPECA1B" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1BB" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1BB" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1BB" NUMERIC NOT NULL DEFAULT 0,
  "PREPECA1BB" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1W" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1W" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1W" NUMERIC NOT NULL DEFAULT 0,
  "PREPECA1W" NUMERIC NOT NULL DEFAULT 0,
  "CREPECAF" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECAF" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECAF" NUMERIC NOT NULL DEFAULT 0,
  "PREPECAF" NUMERIC NOT NULL DEFAULT 0,
  "REGIS1ROJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS1ROJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS1DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC1B_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC1_B" NUMERIC NOT NULL DEFAULT 0,
  "REGIS2AZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISR2DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC2B_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC2_B" NUMERIC NOT NULL DEFAULT 0,
  "REGIS3ROJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS3DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC3B_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC3_B" NUMERIC NOT NULL DEFAULT 0,
  "REGIS4AZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS4DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC4B_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC4_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISR5ROJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS5DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC5B_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC5_B" NUMERIC NOT NULL DEFAULT 0,
  "REGIS6AZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS6DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC6B_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC6_B" NUMERIC NOT NULL DEFAULT 0,
  "REGIS7ROJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS7DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC7B_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC7_B" NUMERIC NOT NULL DEFAULT 0,
  "REGIS8AZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGIS8DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISRC8B_B" NUMERIC NOT NULL DEFAULT 0,
  "REGISPC8_B" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR1ROJOAZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR1DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1B_B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1_B" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR2AZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR2DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2B_B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2_B" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR3ROJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR3DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3B_B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3_B" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR4AZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR4DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4B_B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4_B" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR5ROJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR5DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5B_B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5_B" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR6AZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR6DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC6B_B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC6_B" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR7ROJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR7DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC7B_B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC7_B" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDOR8AZUL_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDOR8DOJO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC8B_B" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC8_B" NUMERIC NOT NULL DEFAULT 0,
  "CRONDAA2R_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DRONDAA2R_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RRONDAA2R_B" NUMERIC NOT NULL DEFAULT 0,
  "PRONDAA2R_B" NUMERIC NOT NULL DEFAULT 0,
  "CRONDAA2A_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DRONDAA2A_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RRONDAA2A_B" NUMERIC NOT NULL DEFAULT 0,
  "PRONDAA2A_B" NUMERIC NOT NULL DEFAULT 0,
  "CRONDAB2R_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DRONDAB2R_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RRONDAB2R_B" NUMERIC NOT NULL DEFAULT 0,
  "PRONDAB2R_B" NUMERIC NOT NULL DEFAULT 0,
  "CRONDAB2A_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DRONDAB2A_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RRONDAB2A_B" NUMERIC NOT NULL DEFAULT 0,
  "PRONDAB2A_B" NUMERIC NOT NULL DEFAULT 0,
  "CFINALA3R_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DFINALA3R_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RFINALA3R_B" NUMERIC NOT NULL DEFAULT 0,
  "PFINALA3R_B" NUMERIC NOT NULL DEFAULT 0,
  "CFINALB3A_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DFINALB3A_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RFINALB3A_B" NUMERIC NOT NULL DEFAULT 0,
  "PFINALB3A_B" NUMERIC NOT NULL DEFAULT 0,
  "CGANADOR_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DGANADOR_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RGANADOR_B" NUMERIC NOT NULL DEFAULT 0,
  "PGANADOR_B" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1A_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1A_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PCREPECA1A_B" NUMERIC NOT NULL DEFAULT 0,
  "RREPECA1A_B" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1AA_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1AA_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1AA_B" NUMERIC NOT NULL DEFAULT 0,
  "PREPECA1AA_B" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1B_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1B_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1B_B" NUMERIC NOT NULL DEFAULT 0,
  "PREPECA1B_B" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1BB_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1BB_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1BB_B" NUMERIC NOT NULL DEFAULT 0,
  "PREPECA1BB_B" NUMERIC NOT NULL DEFAULT 0,
  "CREPECA1W_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECA1W_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECA1W_B" NUMERIC NOT NULL DEFAULT 0,
  "PREPECA1W_B" NUMERIC NOT NULL DEFAULT 0,
  "PRIMERLUGARORO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PRIMERLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "SEGUNDOLUGARPLATA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SEGUNDOLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "SUPERTERCERLUGARBRONCE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SUPERTERCEROPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "CUARTOLUGARBRONCE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CUARTOLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "PRIMERLUGARORO_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PRIMERLUGARPUNTOS_B" NUMERIC NOT NULL DEFAULT 0,
  "SEGUNDOLUGARPLATA_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SEGUNDOLUGARPUNTOS_B" NUMERIC NOT NULL DEFAULT 0,
  "SUPERTERCERLUGARBRONCE_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SUPERTERCEROPUNTOS_B" NUMERIC NOT NULL DEFAULT 0,
  "CUARTOLUGARBRONCE_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CUARTOLUGARPUNTOS_B" NUMERIC NOT NULL DEFAULT 0,
  "CREPECAT1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECAT2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECAT3" NUMERIC NOT NULL DEFAULT 0,
  "PREPECAT4" NUMERIC NOT NULL DEFAULT 0,
  "CREPECAT1_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DREPECAT2_B" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RREPECAT3_B" NUMERIC NOT NULL DEFAULT 0,
  "PREPECAT4_B" NUMERIC NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX "IDNumeroDeEventoKIndividual" ON "KumiteIndividual" ("IDNumeroDeEventoKIndividual" DESC);
CREATE INDEX "KE24:KeyQueue" ON "KumiteIndividual" ("Queue" COLLATE NOCASE);
CREATE INDEX "KE24:KeyTatamiMatsNo" ON "KumiteIndividual" ("TatamiMatsNo" COLLATE NOCASE);
CREATE INDEX "KE24:KeyCategoriaModalidadDiviciones" ON "KumiteIndividual" ("Modalidad" COLLATE NOCASE, "Categoria" COLLATE NOCASE, "Divicion" COLLATE NOCASE);
CREATE INDEX "KE24:KeyCGanador" ON "KumiteIndividual" ("CGanador" COLLATE NOCASE);
CREATE INDEX "KE24:KeyModalidad" ON "KumiteIndividual" ("Modalidad" COLLATE NOCASE);
CREATE INDEX "KE24:KeyDivicion" ON "KumiteIndividual" ("Divicion" COLLATE NOCASE);
CREATE INDEX "KE24:KeyCategoria" ON "KumiteIndividual" ("Categoria" COLLATE NOCASE);
CREATE INDEX "KE24:KeyNombreDelEvento" ON "KumiteIndividual" ("NombreDelEvento" COLLATE NOCASE);
CREATE INDEX "KE24:KEYCodigoDeEvento" ON "KumiteIndividual" ("CodigoDeEvento" COLLATE NOCASE);
CREATE INDEX "KE24:KeyFechaEvento" ON "KumiteIndividual" ("FechaEvento");
COMMIT;

-- KumiteEquipo5
.open KumiteEquipo5.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KumiteEquipo5'),
  ('signature', 'table KumiteEquipo5 record 5151
field KE212:IDNumeroDeEventoEquipo Long 4 @0 depth 0
field KE212:IDNUMERODEEQUIPO1 Long 4 @4 depth 0
field KE212:IDNUMERODEEQUIPO2 Long 4 @8 depth 0
field KE212:IDNUMERODEEQUIPO3 Long 4 @12 depth 0
field KE212:IDNUMERODEEQUIPO4 Long 4 @16 depth 0
field KE212:Cerrar Decimal 4 7,0 @20 depth 0
field KE212:Queue Text 20 @24 depth 0
field KE212:COLORE1R1A Text 6 @44 depth 0
field KE212:TatamiMatsNo Text 30 @50 depth 0
field KE212:CodigoDeEvento Text 20 @80 depth 0
field KE212:FechaEvento Date 4 @100 depth 0
field KE212:Categoria Text 45 @104 depth 0
field KE212:Divicion Text 45 @149 depth 0
field KE212:Modalidad Text 45 @194 depth 0
field KE212:ONDECK Group 0 @239 depth 0
field KE212:ReadyCompetitorDojoAka Text 45 @239 depth 1
field KE212:ReadyCompetitorAka Text 45 @284 depth 1
field KE212:ReadyCompetitorDojoAo Text 45 @329 depth 1
field KE212:ReadyCompetitorAo Text 45 @374 depth 1
field KE212:OnDeck1 Decimal 4 7,0 @419 depth 1
field KE212:OnDeck2 Decimal 4 7,0 @423 depth 1
field KE212:OnDeck3 Decimal 4 7,0 @427 depth 1
field KE212:OnDeck4 Decimal 4 7,0 @431 depth 1
field KE212:OnDeck5 Decimal 4 7,0 @435 depth 1
field KE212:OnDeck6 Decimal 4 7,0 @439 depth 1
field KE212:OnDeck7 Decimal 4 7,0 @443 depth 1
field KE212:OnDeck8 Decimal 4 7,0 @447 depth 1
field KE212:OnDeck9 Decimal 4 7,0 @451 depth 1
field KE212:OnDeck10 Decimal 4 7,0 @455 depth 1
field KE212:OnDeck11 Decimal 4 7,0 @459 depth 1
field KE212:OnDeck12 Decimal 4 7,0 @463 depth 1
field KE212:OnDeck13 Decimal 4 7,0 @467 depth 1
field KE212:OnDeck14 Decimal 4 7,0 @471 depth 1
field KE212:OnDeck15 Decimal 4 7,0 @475 depth 1
field KE212:OnDeck16 Decimal 4 7,0 @479 depth 1
field KE212:OnDeck17 Decimal 4 7,0 @483 depth 1
field KE212:OnDeck18 Decimal 4 7,0 @487 depth 1
field KE212:OnDeck19 Decimal 4 7,0 @491 depth 1
field KE212:OnDeck20 Decimal 4 7,0 @495 depth 1
field KE212:OnDeck21 Decimal 4 7,0 @499 depth 1
field KE212:OnDeck22 Decimal 4 7,0 @503 depth 1
field KE212:OnDeck23 Decimal 4 7,0 @507 depth 1
field KE212:OnDeck24 Decimal 4 7,0 @511 depth 1
field KE212:OnDeck25 Decimal 4 7,0 @515 depth 1
field KE212:COMBATINFO Group 0 @519 depth 0
field KE212:NombreDelEvento Text 50 @519 depth 1
field KE212:KEYDE34 Decimal 4 7,0 @569 depth 1
field KE212:DirecionDelEvento Text 50 @573 depth 1
field KE212:NombreDelOrganizador Text 50 @623 depth 1
field KE212:RONDA Decimal 4 7,2 @673 depth 1
field KE212:DESEMPATE Group 0 @677 depth 0
field KE212:DESEMPATE1 Decimal 4 7,0 @677 depth 1
field KE212:DESEMPATE2 Decimal 4 7,0 @681 depth 1
field KE212:DESEMPATE3 Decimal 4 7,0 @685 depth 1
field KE212:DESEMPATE4 Decimal 4 7,0 @689 depth 1
field KE212:DESEMPATE5 Decimal 4 7,0 @693 depth 1
field KE212:DESEMPATE6 Decimal 4 7,0 @697 depth 1
field KE212:DESEMPATE7 Decimal 4 7,0 @701 depth 1
field KE212:DESEMPATE8 Decimal 4 7,0 @705 depth 1
field KE212:DESEMPATE9 Decimal 4 7,0 @709 depth 1
field KE212:DESEMPATE10 Decimal 4 7,0 @713 depth 1
field KE212:DESEMPATE11 Decimal 4 7,0 @717 depth 1
field KE212:DESEMPATE12 Decimal 4 7,0 @721 depth 1
field KE212:DESEMPATE13 Decimal 4 7,0 @725 depth 1
field KE212:DESEMPATE14 Decimal 4 7,0 @729 depth 1
field KE212:DESEMPATE15 Decimal 4 7,0 @733 depth 1
field KE212:DESEMPATE16 Decimal 4 7,0 @737 depth 1
field KE212:COMBATIDINFO Group 0 @741 depth 0
field KE212:COMBATID11 Decimal 4 7,0 @741 depth 1
field KE212:COMBATID12 Decimal 4 7,0 @745 depth 1
field KE212:COMBATID13 Decimal 4 7,0 @749 depth 1
field KE212:COMBATID14 Decimal 4 7,0 @753 depth 1
field KE212:COMBATID15 Decimal 4 7,0 @757 depth 1
field KE212:COMBATID16 Decimal 4 7,0 @761 depth 1
field KE212:COMBATID21 Decimal 4 7,0 @765 depth 1
field KE212:COMBATID22 Decimal 4 7,0 @769 depth 1
field KE212:COMBATID23 Decimal 4 7,0 @773 depth 1
field KE212:COMBATID24 Decimal 4 7,0 @777 depth 1
field KE212:COMBATID25 Decimal 4 7,0 @781 depth 1
field KE212:COMBATID26 Decimal 4 7,0 @785 depth 1
field KE212:COMBATID31 Decimal 4 7,0 @789 depth 1
field KE212:COMBATID32 Decimal 4 7,0 @793 depth 1
field KE212:COMBATID33 Decimal 4 7,0 @797 depth 1
field KE212:COMBATID34 Decimal 4 7,0 @801 depth 1
field KE212:COMBATID35 Decimal 4 7,0 @805 depth 1
field KE212:COMBATID36 Decimal 4 7,0 @809 depth 1
field KE212:COMBATID41 Decimal 4 7,0 @813 depth 1
field KE212:COMBATID42 Decimal 4 7,0 @817 depth 1
field KE212:COMBATID43 Decimal 4 7,0 @821 depth 1
field KE212:COMBATID44 Decimal 4 7,0 @825 depth 1
field KE212:COMBATID45 Decimal 4 7,0 @829 depth 1
field KE212:COMBATID46 Decimal 4 7,0 @833 depth 1
field KE212:EQUIPO1 Group 0 @837 depth 0
field KE212:NombreDeEquipoE1R1A Text 20 @837 depth 1
field KE212:GANOE1 Decimal 4 7,0 @857 depth 1
field KE212:MUNICIPIOEQUIPOE1R1A Text 20 @861 depth 1
field KE212:ENTRENADOE1R1A Text 20 @881 depth 1
field KE212:NOMBREDOJOE1R1A Text 20 @901 depth 1
field KE212:NOMBRECOMPETIDOR1E1R1A Text 30 @921 depth 1
field KE212:NOMBRECOMPETIDOR1DOJOE1R1A Text 20 @951 depth 1
field KE212:RESULTADOC1BE1R1A Decimal 4 7,0 @971 depth 1
field KE212:KIKENC1BE1R1A Decimal 4 7,0 @975 depth 1
field KE212:KIKENC1BBE1R1A Decimal 4 7,2 @979 depth 1
field KE212:RESULTADOC1E1R1A Decimal 4 7,2 @983 depth 1
field KE212:PUNTOSC1E1R1A Decimal 4 7,2 @987 depth 1
field KE212:NOMBRECOMPETIDOR2E1R1A Text 30 @991 depth 1
field KE212:NOMBRECOMPETIDOR2DOJOE1R1A Text 20 @1021 depth 1
field KE212:RESULTADOC2BE1R1A Decimal 4 7,0 @1041 depth 1
field KE212:KIKENC2BE1R1A Decimal 4 7,0 @1045 depth 1
field KE212:KIKENC2BBE1R1A Decimal 4 7,0 @1049 depth 1
field KE212:RESULTADOC2E1R1A Decimal 4 7,2 @1053 depth 1
field KE212:PUNTOSC2E1R1A Decimal 4 7,2 @1057 depth 1
field KE212:NOMBRECOMPETIDOR3E1R1A Text 30 @1061 depth 1
field KE212:NOMBRECOMPETIDOR3DOJOE1R1A Text 20 @1091 depth 1
field KE212:RESULTADOC3BE1R1A Decimal 4 7,0 @1111 depth 1
field KE212:KIKENC3BE1R1A Decimal 4 7,0 @1115 depth 1
field KE212:KIKENC3BBE1R1A Decimal 4 7,2 @1119 depth 1
field KE212:RESULTADOC3E1R1A Decimal 4 7,2 @1123 depth 1
field KE212:PUNTOSC3E1R1A Decimal 4 7,2 @1127 depth 1
field KE212:NOMBRECOMPETIDOR4E1R1A Text 30 @1131 depth 1
field KE212:NOMBRECOMPETIDOR4DOJOE1R1A Text 20 @1161 depth 1
field KE212:RESULTADOC4BE1R1A Decimal 4 7,0 @1181 depth 1
field KE212:KIKENC4BE1R1A Decimal 4 7,0 @1185 depth 1
field KE212:KIKENC4BBE1R1A Decimal 4 7,0 @1189 depth 1
field KE212:RESULTADOC4E1R1A Decimal 4 7,2 @1193 depth 1
field KE212:PUNTOSC4E1R1A Decimal 4 7,2 @1197 depth 1
field KE212:NOMBRECOMPETIDOR5E1R1A Text 30 @1201 depth 1
field KE212:NOMBRECOMPETIDOR5DOJOE1R1A Text 20 @1231 depth 1
field KE212:RESULTADOC5BE1R1A Decimal 4 7,0 @1251 depth 1
field KE212:KIKENC5BE1R1A Decimal 4 7,0 @1255 depth 1
field KE212:KIKENC5BBE1R1A Decimal 4 7,2 @1259 depth 1
field KE212:RESULTADOC5E1R1A Decimal 4 7,2 @1263 depth 1
field KE212:PUNTOSC5E1R1A Decimal 4 7,2 @1267 depth 1
field KE212:COMPETIDORDESEMPATER1A Text 30 @1271 depth 1
field KE212:NOMBRECOMPETIDORDOJODR1A Text 20 @1301 depth 1
field KE212:RESULTADODBE1R1A Decimal 4 7,0 @1321 depth 1
field KE212:KIKENDBE1R1A Decimal 4 7,0 @1325 depth 1
field KE212:KIKENDBBE1R1A Decimal 4 7,0 @1329 depth 1
field KE212:RSULTADODE1R1A Decimal 4 7,2 @1333 depth 1
field KE212:PUNTOSDE1R1A Decimal 4 7,2 @1337 depth 1
field KE212:HANTEYE1R1A Decimal 4 7,2 @1341 depth 1
field KE212:EQUIPO1R1RE Decimal 4 7,2 @1345 depth 1
field KE212:Tag1 Decimal 4 7,0 @1349 depth 1
field KE212:TAGG1 Decimal 4 7,0 @1353 depth 1
field KE212:EQUIPO1R1PU Decimal 4 7,2 @1357 depth 1
field KE212:EQUIPO1R1TRE Decimal 4 7,2 @1361 depth 1
field KE212:EQUIPO1R1TPU Decimal 4 7,2 @1365 depth 1
field KE212:EQUIPO1R2RE Decimal 4 7,2 @1369 depth 1
field KE212:EQUIPO1R2PU Decimal 4 7,2 @1373 depth 1
field KE212:EQUIPO1R2TPU Decimal 4 7,2 @1377 depth 1
field KE212:EQUIPO1R2TRE Decimal 4 7,2 @1381 depth 1
field KE212:EQUIPO2 Group 0 @1385 depth 0
field KE212:NombreDeEquipo2R1R Text 20 @1385 depth 1
field KE212:GANOE2 Decimal 4 7,0 @1405 depth 1
field KE212:MUNICIPIOEQUIPO2R1R Text 20 @1409 depth 1
field KE212:ENTRENADOE2R1R Text 20 @1429 depth 1
field KE212:NOMBREDOJOE2R1R Text 20 @1449 depth 1
field KE212:COLORE2R1R Text 6 @1469 depth 1
field KE212:NOMBRECOMPETIDOR1E2R1R Text 30 @1475 depth 1
field KE212:NOMBRECOMPETIDOR1DOJOE2R1R Text 20 @1505 depth 1
field KE212:RESULTADOC1BE2R1R Decimal 4 7,2 @1525 depth 1
field KE212:KIKENC1BE2R1R Decimal 4 7,0 @1529 depth 1
field KE212:KIKENC1BBE2R1R Decimal 4 7,0 @1533 depth 1
field KE212:RESULTADOC1E2R1R Decimal 4 7,2 @1537 depth 1
field KE212:PUNTOSC1E2R1R Decimal 4 7,2 @1541 depth 1
field KE212:NOMBRECOMPETIDOR2E2R1R Text 30 @1545 depth 1
field KE212:NOMBRECOMPETIDOR2DOJOE2R1R Text 20 @1575 depth 1
field KE212:RESULTADOC2BE2R1R Decimal 4 7,0 @1595 depth 1
field KE212:KIKENC2BE2R1R Decimal 4 7,0 @1599 depth 1
field KE212:KIKENC2BBE2R1R Decimal 4 7,0 @1603 depth 1
field KE212:RESULTADOC2E2R1R Decimal 4 7,2 @1607 depth 1
field KE212:PUNTOSC2E2R1R Decimal 4 7,2 @1611 depth 1
field KE212:NOMBRECOMPETIDOR3E2R1R Text 30 @1615 depth 1
field KE212:NOMBRECOMPETIDOR3DOJOE2R1R Text 20 @1645 depth 1
field KE212:RESULTADOC3BE2R1R Decimal 4 7,0 @1665 depth 1
field KE212:KIKENC3BE2R1R Decimal 4 7,0 @1669 depth 1
field KE212:KIKENC3BBE2R1R Decimal 4 7,0 @1673 depth 1
field KE212:RESULTADOC3E2R1R Decimal 4 7,2 @1677 depth 1
field KE212:PUNTOSC3E2R1R Decimal 4 7,2 @1681 depth 1
field KE212:NOMBRECOMPETIDOR4E2R1R Text 30 @1685 depth 1
field KE212:NOMBRECOMPETIDOR4DOJOE2R1R Text 20 @1715 depth 1
field KE212:RESULTADOC4BE2R1R Decimal 4 7,0 @1735 depth 1
field KE212:KIKENC4BE2R1R Decimal 4 7,0 @1739 depth 1
field KE212:KIKENC4BBE2R1R Decimal 4 7,0 @1743 depth 1
field KE212:RESULTADOC4E2R1R Decimal 4 7,2 @1747 depth 1
field KE212:PUNTOSC4E2R1R Decimal 4 7,2 @1751 depth 1
field KE212:NOMBRECOMPETIDOR5E2R1R Text 30 @1755 depth 1
field KE212:NOMBRECOMPETIDOR5DOJOE2R1R Text 20 @1785 depth 1
field KE212:RESULTADOC5BE2R1R Decimal 4 7,0 @1805 depth 1
field KE212:KIKENC5BE2R1R Decimal 4 7,0 @1809 depth 1
field KE212:KIKENC5BBE2R1R Decimal 4 7,0 @1813 depth 1
field KE212:RESULTADOC5E2R1R Decimal 4 7,2 @1817 depth 1
field KE212:PUNTOSC5E2R1R Decimal 4 7,2 @1821 depth 1
field KE212:COMPETIDORDESEMPATEE2R1R Text 30 @1825 depth 1
field KE212:NOMBRECOMPETIDORDOJODE2R1R Text 20 @1855 depth 1
field KE212:RESULTADODBE2R1R Decimal 4 7,0 @1875 depth 1
field KE212:KIKENDBE2R1R Decimal 4 7,0 @1879 depth 1
field KE212:KIKENDBBE2R1R Decimal 4 7,0 @1883 depth 1
field KE212:RSULTADODE2R1R Decimal 4 7,2 @1887 depth 1
field KE212:PUNTOSDE2R1R Decimal 4 7,2 @1891 depth 1
field KE212:HANTEYE2R1R Decimal 4 7,2 @1895 depth 1
field KE212:EQUIPOE2R1RE Decimal 4 7,2 @1899 depth 1
field KE212:Tag2 Decimal 4 7,2 @1903 depth 1
field KE212:TAGG2 Decimal 4 7,2 @1907 depth 1
field KE212:EQUIPOE2R1PU Decimal 4 7,2 @1911 depth 1
field KE212:EQUIPOE2R1TRE Decimal 4 7,2 @1915 depth 1
field KE212:EQUIPOE2R1TPU Decimal 4 7,2 @1919 depth 1
field KE212:EQUIPO2R2RE Decimal 4 7,2 @1923 depth 1
field KE212:EQUIPO2R2PU Decimal 4 7,2 @1927 depth 1
field KE212:EQUIPO2R2TRE Decimal 4 7,2 @1931 depth 1
field KE212:EQUIPO2R2TPU Decimal 4 7,2 @1935 depth 1
field KE212:EQUIPO3 Group 0 @1939 depth 0
field KE212:NombreDeEquipoE3R1A Text 20 @1939 depth 1
field KE212:GANOE3 Decimal 4 7,0 @1959 depth 1
field KE212:MUNICIPIOEQUIPOE3R1A Text 20 @1963 depth 1
field KE212:ENTRENADOE3R1A Text 20 @1983 depth 1
field KE212:NOMBREDOJOE3R1A Text 20 @2003 depth 1
field KE212:COLORE3R1A Text 6 @2023 depth 1
field KE212:NOMBRECOMPETIDOR1E3R1A Text 30 @2029 depth 1
field KE212:NOMBRECOMPETIDOR1DOJOE3R1A Text 20 @2059 depth 1
field KE212:RESULTADOC1BE3R1A Decimal 4 7,0 @2079 depth 1
field KE212:KIKENC1BE3R1A Decimal 4 7,0 @2083 depth 1
field KE212:RESULTADOC1E3R1A Decimal 4 7,2 @2087 depth 1
field KE212:PUNTOSC1E3R1A Decimal 4 7,2 @2091 depth 1
field KE212:NOMBRECOMPETIDOR2E3R1A Text 30 @2095 depth 1
field KE212:NOMBRECOMPETIDOR2DOJOE3R1A Text 20 @2125 depth 1
field KE212:RESULTADOC2BE3R1A Decimal 4 7,0 @2145 depth 1
field KE212:KIKENC2BE3R1A Decimal 4 7,0 @2149 depth 1
field KE212:RESULTADOC2E3R1A Decimal 4 7,2 @2153 depth 1
field KE212:PUNTOSC2E3R1A Decimal 4 7,2 @2157 depth 1
field KE212:NOMBRECOMPETIDOR3E3R1A Text 30 @2161 depth 1
field KE212:NOMBRECOMPETIDOR3DOJOE3R1A Text 20 @2191 depth 1
field KE212:RESULTADOC3BE3R1A Decimal 4 7,0 @2211 depth 1
field KE212:KIKENC3BE3R1A Decimal 4 7,0 @2215 depth 1
field KE212:RESULTADOC3E3R1A Decimal 4 7,2 @2219 depth 1
field KE212:PUNTOSC3E3R1A Decimal 4 7,2 @2223 depth 1
field KE212:NOMBRECOMPETIDOR4E3R1A Text 30 @2227 depth 1
field KE212:NOMBRECOMPETIDOR4DOJOE3R1A Text 20 @2257 depth 1
field KE212:RESULTADOC4BE3R1A Decimal 4 7,0 @2277 depth 1
field KE212:KIKENC4BE3R1A Decimal 4 7,0 @2281 depth 1
field KE212:RESULTADOC4E3R1A Decimal 4 7,2 @2285 depth 1
field KE212:PUNTOSC4E3R1A Decimal 4 7,2 @2289 depth 1
field KE212:NOMBRECOMPETIDOR5E3R1A Text 30 @2293 depth 1
field KE212:NOMBRECOMPETIDOR5DOJOE3R1A Text 20 @2323 depth 1
field KE212:RESULTADOC5BE3R1A Decimal 4 7,0 @2343 depth 1
field KE212:KIKENC5BE3R1A Decimal 4 7,0 @2347 depth 1
field KE212:RESULTADOC5E3R1A Decimal 4 7,2 @2351 depth 1
field KE212:PUNTOSC5E3R1A Decimal 4 7,2 @2355 depth 1
field KE212:COMPETIDORDESEMPATEE3R1A Text 30 @2359 depth 1
field KE212:NOMBRECOMPETIDORDOJODE3R1A Text 20 @2389 depth 1
field KE212:RESULTADODBE3R1A Decimal 4 7,0 @2409 depth 1
field KE212:KIKENDBE3R1A Decimal 4 7,0 @2413 depth 1
field KE212:RSULTADODE3R1A Decimal 4 7,2 @2417 depth 1
field KE212:PUNTOSDE3R1A Decimal 4 7,2 @2421 depth 1
field KE212:HANTEYE3R1A Decimal 4 7,2 @2425 depth 1
field KE212:EQUIPOE3R1RE Decimal 4 7,2 @2429 depth 1
field KE212:Tag3 Decimal 4 7,2 @2433 depth 1
field KE212:TAGG3 Decimal 4 7,2 @2437 depth 1
field KE212:EQUIPOE3R1PU Decimal 4 7,2 @2441 depth 1
field KE212:EQUIPO3R1TRE Decimal 4 7,2 @2445 depth 1
field KE212:EQUIPO3R1TPU Decimal 4 7,2 @2449 depth 1
field KE212:EQUIPO3R2RE Decimal 4 7,2 @2453 depth 1
field KE212:EQUIPO3R2TRE Decimal 4 7,2 @2457 depth 1
field KE212:EQUIPO3R2PU Decimal 4 7,2 @2461 depth 1
field KE212:EQUIPO3R2TPU Decimal 4 7,2 @2465 depth 1
field KE212:EQUIPO4 Group 0 @2469 depth 0
field KE212:NombreDeEquipoE4R1R Text 20 @2469 depth 1
field KE212:GANOE4 Decimal 4 7,0 @2489 depth 1
field KE212:MUNICIPIOEQUIPOE4R1R Text 20 @2493 depth 1
field KE212:ENTRENADOE4R1R Text 20 @2513 depth 1
field KE212:NOMBREDOJOE4R1R Text 20 @2533 depth 1
field KE212:COLORE4R1R Text 6 @2553 depth 1
field KE212:NOMBREDOJOCOMPETIDOR1E4R1R Text 20 @2559 depth 1
field KE212:NOMBRECOMPETIDOR1E4R1R Text 30 @2579 depth 1
field KE212:RESULTADOC1BE4R1R Decimal 4 7,2 @2609 depth 1
field KE212:KIKENC1BE4R1R Decimal 4 7,0 @2613 depth 1
field KE212:RESULTADOC1E4R1R Decimal 4 7,2 @2617 depth 1
field KE212:PUNTOSC1E4R1R Decimal 4 7,2 @2621 depth 1
field KE212:NOMBRECOMPETIDOR2E4R1R Text 30 @2625 depth 1
field KE212:NOMBREDOJOCOMPETIDOR2E4R1R Text 20 @2655 depth 1
field KE212:RESULTADOC2BE4R1R Decimal 4 7,2 @2675 depth 1
field KE212:KIKENC2BE4R1R Decimal 4 7,0 @2679 depth 1
field KE212:RESULTADOC2E4R1R Decimal 4 7,2 @2683 depth 1
field KE212:PUNTOSC2E4R1R Decimal 4 7,2 @2687 depth 1
field KE212:NOMBRECOMPETIDOR3E4R1R Text 30 @2691 depth 1
field KE212:NOMBREDOJOCOMPETIDOR3E4R1R Text 20 @2721 depth 1
field KE212:RESULTADOC3BE4R1R Decimal 4 7,2 @2741 depth 1
field KE212:KIKENC3BE4R1R Decimal 4 7,0 @2745 depth 1
field KE212:RESULTADOC3E4R1R Decimal 4 7,2 @2749 depth 1
field KE212:PUNTOSC3E4R1R Decimal 4 7,2 @2753 depth 1
field KE212:NOMBRECOMPETIDOR4E4R1R Text 30 @2757 depth 1
field KE212:NOMBREDOJOCOMPETIDOR4E4R1R Text 20 @2787 depth 1
field KE212:RESULTADOC4BE4R1R Decimal 4 7,2 @2807 depth 1
field KE212:KIKENC4BE4R1R Decimal 4 7,0 @2811 depth 1
field KE212:RESULTADOC4E4R1R Decimal 4 7,2 @2815 depth 1
field KE212:PUNTOSC4E4R1R Decimal 4 7,2 @2819 depth 1
field KE212:NOMBRECOMPETIDOR5E4R1R Text 30 @2823 depth 1
field KE212:NOMBREDOJOCOMPETIDOR5E4R1R Text 20 @2853 depth 1
field KE212:RESULTADOC5BE4R1R Decimal 4 7,2 @2873 depth 1
field KE212:KIKENC5BE4R1R Decimal 4 7,0 @2877 depth 1
field KE212:RESULTADOC5E4R1R Decimal 4 7,2 @2881 depth 1
field KE212:PUNTOSC5E4R1R Decimal 4 7,2 @2885 depth 1
field KE212:COMPETIDORDESEMPATEE4R1R Text 30 @2889 depth 1
field KE212:NOMBRECOMPETIDORDOJODE4R1R Text 20 @2919 depth 1
field KE212:RESULTADODE4R1R Decimal 4 7,2 @2939 depth 1
field KE212:KIKENDE4R1R Decimal 4 7,0 @2943 depth 1
field KE212:RSULTADODE4R1R Decimal 4 7,2 @2947 depth 1
field KE212:PUNTOSDE4R1R Decimal 4 7,2 @2951 depth 1
field KE212:HANTEYE4R1R Decimal 4 7,2 @2955 depth 1
field KE212:EQUIPO4R1RE Decimal 4 7,2 @2959 depth 1
field KE212:Tag4 Decimal 4 7,2 @2963 depth 1
field KE212:TAGG4 Decimal 4 7,2 @2967 depth 1
field KE212:EQUIPO4R1PU Decimal 4 7,2 @2971 depth 1
field KE212:EQUIPO4R1TRE Decimal 4 7,2 @2975 depth 1
field KE212:EQUIPO4R1TPU Decimal 4 7,2 @2979 depth 1
field KE212:EQUIPO4R2RE Decimal 4 7,2 @2983 depth 1
field KE212:EQUIPO4R2PU Decimal 4 7,2 @2987 depth 1
field KE212:EQUIPO4R2TPU Decimal 4 7,2 @2991 depth 1
field KE212:EQUIPO4R2TRE Decimal 4 7,2 @2995 depth 1
field KE212:EQUIPOWIN1 Group 0 @2999 depth 0
field KE212:NOMBREDEEQUIPOW1R3R Text 20 @2999 depth 1
field KE212:MUNICIPIOEQUIPOW1R3R Text 20 @3019 depth 1
field KE212:ENTRENADOEW1R3R Text 20 @3039 depth 1
field KE212:NOMBREDOJOEW1R3R Text 20 @3059 depth 1
field KE212:COLOREW1R3R Text 6 @3079 depth 1
field KE212:NOMBRECOMPETIDOR1EW1R3R Text 30 @3085 depth 1
field KE212:NOMBREDOJOCOMPETIDOR1EW1R3R Text 20 @3115 depth 1
field KE212:RESULTADOC1BEW1R3R Decimal 4 7,2 @3135 depth 1
field KE212:KIKENC1BEW1R3R Decimal 4 7,0 @3139 depth 1
field KE212:RESULTADOC1W1R3R Decimal 4 7,0 @3143 depth 1
field KE212:PUNTOSC1W1R3R Decimal 4 7,0 @3147 depth 1
field KE212:NOMBRECOMPETIDOR2EW1R3R Text 30 @3151 depth 1
field KE212:NOMBREDOJOCOMPETIDOR2EW1R3R Text 20 @3181 depth 1
field KE212:RESULTADOC2BEW1R3R Decimal 4 7,0 @3201 depth 1
field KE212:KIKENC2BEW1R3R Decimal 4 7,0 @3205 depth 1
field KE212:RESULTADOC2W1R3R Decimal 4 7,0 @3209 depth 1
field KE212:PUNTOSC2W1R3R Decimal 4 7,0 @3213 depth 1
field KE212:NOMBRECOMPETIDOR3EW1R3R Text 30 @3217 depth 1
field KE212:NOMBREDOJOCOMPETIDOR3EW1R3R Text 20 @3247 depth 1
field KE212:RESULTADOC3BEW1R3R Decimal 4 7,0 @3267 depth 1
field KE212:KIKENC3BEW1R3R Decimal 4 7,0 @3271 depth 1
field KE212:RESULTADOC3W1R3R Decimal 4 7,0 @3275 depth 1
field KE212:PUNTOSC3W1R3R Decimal 4 7,0 @3279 depth 1
field KE212:NOMBRECOMPETIDOR4EW1R3R Text 30 @3283 depth 1
field KE212:NOMBREDOJOCOMPETIDOR4EW1R3R Text 20 @3313 depth 1
field KE212:RESULTADOC4BEW1R3R Decimal 4 7,0 @3333 depth 1
field KE212:KIKENC4BEW1R3R Decimal 4 7,0 @3337 depth 1
field KE212:RESULTADOC4W1R3R Decimal 4 7,0 @3341 depth 1
field KE212:PUNTOSC4W1R3R Decimal 4 7,0 @3345 depth 1
field KE212:NOMBRECOMPETIDOR5EW1R3R Text 30 @3349 depth 1
field KE212:NOMBREDOJOCOMPETIDOR5EW1R3R Text 20 @3379 depth 1
field KE212:RESULTADOC5BEW1R3R Decimal 4 7,0 @3399 depth 1
field KE212:KIKENC5BEW1R3R Decimal 4 7,0 @3403 depth 1
field KE212:RESULTADOC5EW1R3R Decimal 4 7,0 @3407 depth 1
field KE212:PUNTOSC5EW1R3R Decimal 4 7,0 @3411 depth 1
field KE212:COMPETIDORDESEMPATEEW1R3R Text 30 @3415 depth 1
field KE212:NOMBRECOMPETIDORDOJODEW1R3R Text 20 @3445 depth 1
field KE212:RESULTADODBEW1R3R Decimal 4 7,0 @3465 depth 1
field KE212:KIKENDBEW1R3R Decimal 4 7,0 @3469 depth 1
field KE212:RSULTADODEW1R3R Decimal 4 7,2 @3473 depth 1
field KE212:PUNTOSDEW1R3R Decimal 4 7,0 @3477 depth 1
field KE212:HANTEYEW1R3R Decimal 4 7,0 @3481 depth 1
field KE212:TAGGW1 Decimal 4 7,2 @3485 depth 1
field KE212:RESULTADOFINALEW1R3R Decimal 4 7,0 @3489 depth 1
field KE212:PUNTOSFINALESEW1R3R Decimal 4 7,0 @3493 depth 1
field KE212:EQUIPOWIN2 Group 0 @3497 depth 0
field KE212:NOMBREDEEQUIPOW2R3R Text 20 @3497 depth 1
field KE212:MUNICIPIOEQUIPOW2R3R Text 20 @3517 depth 1
field KE212:ENTRENADOEW2R3R Text 20 @3537 depth 1
field KE212:NOMBREDOJOEW2R3R Text 20 @3557 depth 1
field KE212:COLOREW2R3R Text 6 @3577 depth 1
field KE212:NOMBRECOMPETIDOR1EW2R3R Text 30 @3583 depth 1
field KE212:NOMBREDOJOCOMPETIDOR1EW2R3R Text 20 @3613 depth 1
field KE212:RESULTADOC1EW2R3R Decimal 4 7,0 @3633 depth 1
field KE212:KIKENC1EW2R3R Decimal 4 7,0 @3637 depth 1
field KE212:RESULTADOC1W2R3R Decimal 4 7,0 @3641 depth 1
field KE212:PUNTOSC1W2R3R Decimal 4 7,0 @3645 depth 1
field KE212:NOMBRECOMPETIDOR2EW2R3R Text 30 @3649 depth 1
field KE212:NOMBREDOJOCOMPETIDOR2EW2R3R Text 20 @3679 depth 1
field KE212:RESULTADOC2BW2R3R Decimal 4 7,0 @3699 depth 1
field KE212:KIKENC2BW2R3R Decimal 4 7,0 @3703 depth 1
field KE212:RESULTADOC2W2R3R Decimal 4 7,0 @3707 depth 1
field KE212:PUNTOSC2W2R3R Decimal 4 7,0 @3711 depth 1
field KE212:NOMBRECOMPETIDOR3EW2R3R Text 30 @3715 depth 1
field KE212:NOMBREDOJOCOMPETIDOR3EW2R3R Text 20 @3745 depth 1
field KE212:RESULTADOC3BEW2R3R Decimal 4 7,0 @3765 depth 1
field KE212:KIKENC3BEW2R3R Decimal 4 7,0 @3769 depth 1
field KE212:RESULTADOC3W2R3R Decimal 4 7,0 @3773 depth 1
field KE212:PUNTOSC3W2R3R Decimal 4 7,0 @3777 depth 1
field KE212:NOMBRECOMPETIDOR4EW2R3R Text 30 @3781 depth 1
field KE212:NOMBREDOJOCOMPETIDOR4EW2R3R Text 20 @3811 depth 1
field KE212:RESULTADOC4BEW2R3R Decimal 4 7,0 @3831 depth 1
field KE212:KIKENC4BEW2R3R Decimal 4 7,0 @3835 depth 1
field KE212:RESULTADOC4RW2R3R Decimal 4 7,0 @3839 depth 1
field KE212:PUNTOSC4W2R3R Decimal 4 7,0 @3843 depth 1
field KE212:NOMBRECOMPETIDOR5EW2R3R Text 30 @3847 depth 1
field KE212:NOMBREDOJOCOMPETIDOR5EW2R3R Text 20 @3877 depth 1
field KE212:RESULTADOC5BEW2R3R Decimal 4 7,0 @3897 depth 1
field KE212:KIKENC5BEW2R3R Decimal 4 7,0 @3901 depth 1
field KE212:RESULTADOC5EW2R3R Decimal 4 7,0 @3905 depth 1
field KE212:PUNTOSC5EW2R3R Decimal 4 7,0 @3909 depth 1
field KE212:COMPETIDORDESEMPATEEW2R3R Text 30 @3913 depth 1
field KE212:NOMBRECOMPETIDORDOJODEW2R3R Text 20 @3943 depth 1
field KE212:RESULTADODBEW2R3R Decimal 4 7,0 @3963 depth 1
field KE212:KIKENDBEW2R3R Decimal 4 7,0 @3967 depth 1
field KE212:RSULTADODEW2R3R Decimal 4 7,0 @3971 depth 1
field KE212:PUNTOSDEW2R3R Decimal 4 7,0 @3975 depth 1
field KE212:HANTEYEW2R3R Decimal 4 7,0 @3979 depth 1
field KE212:TAGGW2 Decimal 4 7,2 @3983 depth 1
field KE212:RESULTADOFINALEW2R3R Decimal 4 7,0 @3987 depth 1
field KE212:PUNTOSFINALESEW2R3R Decimal 4 7,0 @3991 depth 1
field KE212:EQUIPOLOST1 Group 0 @3995 depth 0
field KE212:NOMBREDEEQUIPOL1R4A Text 20 @3995 depth 1
field KE212:MUNICIPIOEQUIPOL1R4A Text 20 @4015 depth 1
field KE212:ENTRENADOEL1R4A Text 20 @4035 depth 1
field KE212:NOMBREDOJOEL1R4A Text 20 @4055 depth 1
field KE212:COLOREL1R4A Text 6 @4075 depth 1
field KE212:NOMBRECOMPETIDOR1EL1R4A Text 30 @4081 depth 1
field KE212:NOMBREDOJOCOMPETIDOR1EL1R4A Text 20 @4111 depth 1
field KE212:RESULTADOC1BL1R4A Decimal 4 7,0 @4131 depth 1
field KE212:KIKENC1BL1R4A Decimal 4 7,0 @4135 depth 1
field KE212:RESULTADOC1L1R4A Decimal 4 7,0 @4139 depth 1
field KE212:PUNTOSC1L1R4A Decimal 4 7,0 @4143 depth 1
field KE212:NOMBRECOMPETIDOR2EL1R4A Text 30 @4147 depth 1
field KE212:NOMBREDOJOCOMPETIDOR2EL1R4A Text 20 @4177 depth 1
field KE212:RESULTADOC2BEL1R4A Decimal 4 7,0 @4197 depth 1
field KE212:KIKENC2BEL1R4A Decimal 4 7,0 @4201 depth 1
field KE212:RESULTADOC2L1R4A Decimal 4 7,0 @4205 depth 1
field KE212:PUNTOSC2L1R4A Decimal 4 7,0 @4209 depth 1
field KE212:NOMBRECOMPETIDOR3EL1R4A Text 30 @4213 depth 1
field KE212:NOMBREDOJOCOMPETIDOR3EL1R4A Text 20 @4243 depth 1
field KE212:RESULTADOC3BEL1R4A Decimal 4 7,0 @4263 depth 1
field KE212:KIKENC3BEL1R4A Decimal 4 7,0 @4267 depth 1
field KE212:RESULTADOC3L1R4A Decimal 4 7,0 @4271 depth 1
field KE212:PUNTOSC3L1R4A Decimal 4 7,0 @4275 depth 1
field KE212:NOMBRECOMPETIDOR4EL1R4A Text 30 @4279 depth 1
field KE212:NOMBREDOJOCOMPETIDOR4EL1R4A Text 20 @4309 depth 1
field KE212:RESULTADOC4BEL1R4A Decimal 4 7,0 @4329 depth 1
field KE212:KIKENC4BEL1R4A Decimal 4 7,0 @4333 depth 1
field KE212:RESULTADOC4L1R4A Decimal 4 7,0 @4337 depth 1
field KE212:PUNTOSC4L1R4A Decimal 4 7,0 @4341 depth 1
field KE212:NOMBRECOMPETIDOR5EL1R4A Text 30 @4345 depth 1
field KE212:NOMBREDOJOCOMPETIDOR5EL1R4A Text 20 @4375 depth 1
field KE212:RESULTADOC5BL1R4A Decimal 4 7,0 @4395 depth 1
field KE212:KIKENC5BL1R4A Decimal 4 7,0 @4399 depth 1
field KE212:RESULTADOC5L1R4A Decimal 4 7,0 @4403 depth 1
field KE212:PUNTOSC5L1R4A Decimal 4 7,0 @4407 depth 1
field KE212:COMPETIDORDESEMPATEL1R4A Text 30 @4411 depth 1
field KE212:NOMBRECOMPETIDORDOJODL1R4A Text 20 @4441 depth 1
field KE212:RESULTADODBL1R4A Decimal 4 7,0 @4461 depth 1
field KE212:KIKENDBL1R4A Decimal 4 7,0 @4465 depth 1
field KE212:RSULTADODL1R4A Decimal 4 7,0 @4469 depth 1
field KE212:PUNTOSDL1R4A Decimal 4 7,0 @4473 depth 1
field KE212:HANTEYL1R4A Decimal 4 7,0 @4477 depth 1
field KE212:TAGGL1 Decimal 4 7,2 @4481 depth 1
field KE212:RESULTADOSFINALESL1R4A Decimal 4 7,0 @4485 depth 1
field KE212:PUNTOSFINALESL1R4A Decimal 4 7,0 @4489 depth 1
field KE212:EQUIPOLOST2 Group 0 @4493 depth 0
field KE212:NOMBREDEEQUIPOL2R4A Text 20 @4493 depth 1
field KE212:MUNICIPIOEQUIPOL2R4A Text 20 @4513 depth 1
field KE212:ENTRENADOEL2R4A Text 20 @4533 depth 1
field KE212:NOMBREDOJOEL2R4A Text 20 @4553 depth 1
field KE212:COLOREL2R4A Text 6 @4573 depth 1
field KE212:NOMBRECOMPETIDOR1EL2R4A Text 30 @4579 depth 1
field KE212:NOMBREDOJOCOMPETIDOR1EL2R4A Text 20 @4609 depth 1
field KE212:RESULTADOC1BEL2R4A Decimal 4 7,0 @4629 depth 1
field KE212:KIKENC1BEL2R4A Decimal 4 7,0 @4633 depth 1
field KE212:RESULTADOC1L2R4A Decimal 4 7,0 @4637 depth 1
field KE212:PUNTOSC1L2R4A Decimal 4 7,0 @4641 depth 1
field KE212:NOMBRECOMPETIDOR2EL2R4A Text 30 @4645 depth 1
field KE212:NOMBREDOJOCOMPETIDOR2EL2R4A Text 20 @4675 depth 1
field KE212:RESULTADOC2BEL2R4A Decimal 4 7,0 @4695 depth 1
field KE212:KIKENC2BEL2R4A Decimal 4 7,0 @4699 depth 1
field KE212:RESULTADOC2L2R4A Decimal 4 7,0 @4703 depth 1
field KE212:PUNTOSC2L2R4A Decimal 4 7,0 @4707 depth 1
field KE212:NOMBRECOMPETIDOR3EL2R4A Text 30 @4711 depth 1
field KE212:NOMBREDOJOCOMPETIDOR3EL2R4A Text 20 @4741 depth 1
field KE212:RESULTADOC3BEL2R4A Decimal 4 7,0 @4761 depth 1
field KE212:KIKENC3BEL2R4A Decimal 4 7,0 @4765 depth 1
field KE212:RESULTADOC3L2R4A Decimal 4 7,0 @4769 depth 1
field KE212:PUNTOSC3L2R4A Decimal 4 7,0 @4773 depth 1
field KE212:NOMBRECOMPETIDOR4EL2R4A Text 30 @4777 depth 1
field KE212:NOMBREDOJOCOMPETIDOR4EL2R4A Text 20 @4807 depth 1
field KE212:RESULTADOC4BEL2R4A Decimal 4 7,0 @4827 depth 1
field KE212:KIKENC4BEL2R4A Decimal 4 7,0 @4831 depth 1
field KE212:RESULTADOC4L2R4A Decimal 4 7,0 @4835 depth 1
field KE212:PUNTOSC4L2R4A Decimal 4 7,0 @4839 depth 1
field KE212:NOMBRECOMPETIDOR5EL2R4A Text 30 @4843 depth 1
field KE212:NOMBREDOJOCOMPETIDOR5EL2R4A Text 20 @4873 depth 1
field KE212:RESULTADOC5BL2R4A Decimal 4 7,0 @4893 depth 1
field KE212:KIKENC5BL2R4A Decimal 4 7,0 @4897 depth 1
field KE212:RESULTADOC5L2R4A Decimal 4 7,0 @4901 depth 1
field KE212:PUNTOSC5L2R4A Decimal 4 7,0 @4905 depth 1
field KE212:COMPETIDORDESEMPATEL2R4A Text 30 @4909 depth 1
field KE212:NOMBRECOMPETIDORDOJODL2R4A Text 20 @4939 depth 1
field KE212:RESULTADODBL2R4A Decimal 4 7,0 @4959 depth 1
field KE212:KIKENDBL2R4A Decimal 4 7,0 @4963 depth 1
field KE212:RSULTADODL2R4A Decimal 4 7,0 @4967 depth 1
field KE212:PUNTOSDL2R4A Decimal 4 7,0 @4971 depth 1
field KE212:HANTEYL2R4A Decimal 4 7,0 @4975 depth 1
field KE212:TAGGL2 Decimal 4 7,2 @4979 depth 1
field KE212:RESULTADOS Group 0 @4983 depth 0
field KE212:RESULTADOFINALL2R4A Decimal 4 7,0 @4983 depth 1
field KE212:PUNTOSFINALESL2R4A Decimal 4 7,0 @4987 depth 1
field KE212:PRIMERLUGARORO Text 20 @4991 depth 1
field KE212:PRIMERLUGARRESULTADO Decimal 4 7,0 @5011 depth 1
field KE212:PRIMERLUGARPUNTOS Decimal 4 7,0 @5015 depth 1
field KE212:SEGUNDOLUGARPLATA Text 20 @5019 depth 1
field KE212:SEGUNDOLUGARRESULTADO Decimal 4 7,0 @5039 depth 1
field KE212:SEGUNDOLUGARPUNTOS Decimal 4 7,0 @5043 depth 1
field KE212:SUPERTERCERLUGARBRONCE Text 20 @5047 depth 1
field KE212:SUPERTERCERORESULTADO Decimal 4 7,0 @5067 depth 1
field KE212:SUPERTERCEROPUNTOS Decimal 4 7,0 @5071 depth 1
field KE212:CUARTOLUGARBRONCE Text 20 @5075 depth 1
field KE212:CUARTOLUGARRESULTADOS Decimal 4 7,0 @5095 depth 1
field KE212:CUARTOLUGARPUNTOS Decimal 4 7,0 @5099 depth 1
field KE212:GANAE5 Decimal 4 7,2 @5103 depth 1
field KE212:FINALE1 Decimal 4 7,2 @5107 depth 1
field KE212:FINALE2 Decimal 4 7,2 @5111 depth 1
field KE212:FINALE3 Decimal 4 7,2 @5115 depth 1
field KE212:FINALE4 Decimal 4 7,2 @5119 depth 1
field KE212:GANAE6 Decimal 4 7,2 @5123 depth 1
field KE212:GANAE7 Decimal 4 7,2 @5127 depth 1
field KE212:GANAE8 Decimal 4 7,2 @5131 depth 1
field KE212:EQUIPO3TOTALRE Decimal 4 7,2 @5135 depth 1
field KE212:EQUIPO3TOTALPU Decimal 4 7,2 @5139 depth 1
field KE212:EQUIPO4TOTALRE Decimal 4 7,2 @5143 depth 1
field KE212:EQUIPO4TOTALPU Decimal 4 7,2 @5147 depth 1
');
CREATE TABLE "KumiteEquipo5" (
  "IDNumeroDeEventoEquipo" INTEGER NOT NULL DEFAULT 0,
  "IDNUMERODEEQUIPO1" INTEGER NOT NULL DEFAULT 0,
  "IDNUMERODEEQUIPO2" INTEGER NOT NULL DEFAULT 0,
  "IDNUMERODEEQUIPO3" INTEGER NOT NULL DEFAULT 0,
  "IDNUMERODEEQUIPO4" INTEGER NOT NULL DEFAULT 0,
  "Cerrar" NUMERIC NOT NULL DEFAULT 0,
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "COLORE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TatamiMatsNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CodigoDeEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FechaEvento" TEXT NOT NULL DEFAULT '',
  "Categoria" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Divicion" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Modalidad" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ReadyCompetitorDojoAka" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ReadyCompetitorAka" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ReadyCompetitorDojoAo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ReadyCompetitorAo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "OnDeck1" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck2" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck3" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck4" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck5" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck6" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck7" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck8" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck9" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck10" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck11" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck12" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck13" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck14" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck15" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck16" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck17" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck18" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck19" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck20" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck21" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck22" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck23" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck24" NUMERIC NOT NULL DEFAULT 0,
  "OnDeck25" NUMERIC NOT NULL DEFAULT 0,
  "NombreDelEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KEYDE34" NUMERIC NOT NULL DEFAULT 0,
  "DirecionDelEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NombreDelOrganizador" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RONDA" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE1" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE2" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE3" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE4" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE5" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE6" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE7" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE8" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE9" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE10" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE11" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE12" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE13" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE14" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE15" NUMERIC NOT NULL DEFAULT 0,
  "DESEMPATE16" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID11" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID12" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID13" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID14" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID15" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID16" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID21" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID22" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID23" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID24" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID25" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID26" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID31" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID32" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID33" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID34" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID35" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID36" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID41" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID42" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID43" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID44" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID45" NUMERIC NOT NULL DEFAULT 0,
  "COMBATID46" NUMERIC NOT NULL DEFAULT 0,
  "NombreDeEquipoE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "GANOE1" NUMERIC NOT NULL DEFAULT 0,
  "MUNICIPIOEQUIPOE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ENTRENADOE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1E1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1DOJOE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BBE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC1E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2E1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2DOJOE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BBE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC2E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3E1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3DOJOE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BBE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC3E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4E1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4DOJOE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BBE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC4E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5E1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5DOJOE1R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BBE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC5E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5E1R1A" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORDESEMPATER1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDORDOJODR1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADODBE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBBE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "RSULTADODE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSDE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "HANTEYE1R1A" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO1R1RE" NUMERIC NOT NULL DEFAULT 0,
  "Tag1" NUMERIC NOT NULL DEFAULT 1,
  "TAGG1" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO1R1PU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO1R1TRE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO1R1TPU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO1R2RE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO1R2PU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO1R2TPU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO1R2TRE" NUMERIC NOT NULL DEFAULT 0,
  "NombreDeEquipo2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "GANOE2" NUMERIC NOT NULL DEFAULT 0,
  "MUNICIPIOEQUIPO2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ENTRENADOE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1E2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1DOJOE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BBE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC1E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2E2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2DOJOE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BBE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC2E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3E2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3DOJOE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BBE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC3E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4E2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4DOJOE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BBE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC4E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5E2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5DOJOE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BBE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC5E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5E2R1R" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORDESEMPATEE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDORDOJODE2R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADODBE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBBE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "RSULTADODE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSDE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "HANTEYE2R1R" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPOE2R1RE" NUMERIC NOT NULL DEFAULT 0,
  "Tag2" NUMERIC NOT NULL DEFAULT 2,
  "TAGG2" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPOE2R1PU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPOE2R1TRE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPOE2R1TPU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO2R2RE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO2R2PU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO2R2TRE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO2R2TPU" NUMERIC NOT NULL DEFAULT 0,
  "NombreDeEquipoE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "GANOE3" NUMERIC NOT NULL DEFAULT 0,
  "MUNICIPIOEQUIPOE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ENTRENADOE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1E3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1DOJOE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC1E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2E3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2DOJOE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC2E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3E3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3DOJOE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC3E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4E3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4DOJOE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC4E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5E3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5DOJOE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC5E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5E3R1A" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORDESEMPATEE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDORDOJODE3R1A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADODBE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "RSULTADODE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSDE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "HANTEYE3R1A" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPOE3R1RE" NUMERIC NOT NULL DEFAULT 0,
  "Tag3" NUMERIC NOT NULL DEFAULT 3,
  "TAGG3" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPOE3R1PU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO3R1TRE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO3R1TPU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO3R2RE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO3R2TRE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO3R2PU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO3R2TPU" NUMERIC NOT NULL DEFAULT 0,
  "NombreDeEquipoE4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "GANOE4" NUMERIC NOT NULL DEFAULT 0,
  "MUNICIPIOEQUIPOE4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ENTRENADOE4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOE4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORE4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR1E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC1E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR2E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC2E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR3E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC3E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR4E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC4E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR5E4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC5E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5E4R1R" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORDESEMPATEE4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDORDOJODE4R1R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADODE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "RSULTADODE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSDE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "HANTEYE4R1R" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4R1RE" NUMERIC NOT NULL DEFAULT 0,
  "Tag4" NUMERIC NOT NULL DEFAULT 4,
  "TAGG4" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4R1PU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4R1TRE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4R1TPU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4R2RE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4R2PU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4R2TPU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4R2TRE" NUMERIC NOT NULL DEFAULT 0,
  "NOMBREDEEQUIPOW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIOEQUIPOW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ENTRENADOEW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOEW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLOREW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR1EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC1W1R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1W1R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR2EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC2W1R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2W1R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR3EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC3W1R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3W1R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR4EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC4W1R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4W1R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR5EW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC5EW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5EW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORDESEMPATEEW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDORDOJODEW1R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADODBEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "RSULTADODEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSDEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "HANTEYEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "TAGGW1" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOFINALEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSFINALESEW1R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBREDEEQUIPOW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIOEQUIPOW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ENTRENADOEW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOEW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLOREW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR1EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1EW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1EW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC1W2R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1W2R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR2EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2BW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC2W2R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2W2R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR3EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3BEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC3W2R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3W2R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR4EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4BEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC4RW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4W2R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR5EW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5BEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC5EW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5EW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORDESEMPATEEW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDORDOJODEW2R3R" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADODBEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "RSULTADODEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSDEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "HANTEYEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "TAGGW2" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOFINALEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSFINALESEW2R3R" NUMERIC NOT NULL DEFAULT 0,
  "NOMBREDEEQUIPOL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIOEQUIPOL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ENTRENADOEL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOEL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLOREL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR1EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1BL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC1L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR2EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2BEL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BEL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC2L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR3EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3BEL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BEL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC3L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR4EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4BEL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BEL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC4L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR5EL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5BL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC5L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5L1R4A" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORDESEMPATEL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDORDOJODL1R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADODBL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "RSULTADODL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSDL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "HANTEYL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "TAGGL1" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOSFINALESL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSFINALESL1R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBREDEEQUIPOL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIOEQUIPOL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ENTRENADOEL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOEL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLOREL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR1EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC1BEL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC1BEL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC1L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC1L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR2EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2BEL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC2BEL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC2L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC2L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR3EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC3BEL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC3BEL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC3L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC3L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR4EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC4BEL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC4BEL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC4L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC4L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJOCOMPETIDOR5EL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC5BL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENC5BL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOC5L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSC5L2R4A" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORDESEMPATEL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDORDOJODL2R4A" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADODBL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "KIKENDBL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "RSULTADODL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSDL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "HANTEYL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "TAGGL2" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOFINALL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "PUNTOSFINALESL2R4A" NUMERIC NOT NULL DEFAULT 0,
  "PRIMERLUGARORO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PRIMERLUGARRESULTADO" NUMERIC NOT NULL DEFAULT 0,
  "PRIMERLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "SEGUNDOLUGARPLATA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SEGUNDOLUGARRESULTADO" NUMERIC NOT NULL DEFAULT 0,
  "SEGUNDOLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "SUPERTERCERLUGARBRONCE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SUPERTERCERORESULTADO" NUMERIC NOT NULL DEFAULT 0,
  "SUPERTERCEROPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "CUARTOLUGARBRONCE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CUARTOLUGARRESULTADOS" NUMERIC NOT NULL DEFAULT 0,
  "CUARTOLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "GANAE5" NUMERIC NOT NULL DEFAULT 0,
  "FINALE1" NUMERIC NOT NULL DEFAULT 0,
  "FINALE2" NUMERIC NOT NULL DEFAULT 0,
  "FINALE3" NUMERIC NOT NULL DEFAULT 0,
  "FINALE4" NUMERIC NOT NULL DEFAULT 0,
  "GANAE6" NUMERIC NOT NULL DEFAULT 0,
  "GANAE7" NUMERIC NOT NULL DEFAULT 0,
  "GANAE8" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO3TOTALRE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO3TOTALPU" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4TOTALRE" NUMERIC NOT NULL DEFAULT 0,
  "EQUIPO4TOTALPU" NUMERIC NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX "KE212:KeyIDNumeroDeEventoEquipo" ON "KumiteEquipo5" ("IDNumeroDeEventoEquipo" DESC);
CREATE INDEX "KE212:KeyQueue" ON "KumiteEquipo5" ("Queue" COLLATE NOCASE);
CREATE INDEX "KE212:KeyColorE1R1A" ON "KumiteEquipo5" ("COLORE1R1A" COLLATE NOCASE);
CREATE INDEX "KE212:KeyTatamiMatsNo" ON "KumiteEquipo5" ("TatamiMatsNo" COLLATE NOCASE);
CREATE INDEX "KE212:KeyCategoriaModalidadDiviciones" ON "KumiteEquipo5" ("Modalidad" COLLATE NOCASE, "Categoria" COLLATE NOCASE, "Divicion" COLLATE NOCASE);
CREATE INDEX "KE212:KeyCodigoDeEvento" ON "KumiteEquipo5" ("CodigoDeEvento" COLLATE NOCASE);
CREATE INDEX "KE212:KeyFechaEvento" ON "KumiteEquipo5" ("FechaEvento");
CREATE INDEX "KE212:KeyIDNumeroDeEquipo1" ON "KumiteEquipo5" ("IDNUMERODEEQUIPO1");
CREATE INDEX "KE212:KeyMunicipioEquipoE1" ON "KumiteEquipo5" ("MUNICIPIOEQUIPOE1R1A" COLLATE NOCASE);
CREATE INDEX "KE212:KeyIDNumeroDeEquipo2" ON "KumiteEquipo5" ("IDNUMERODEEQUIPO2");
CREATE INDEX "KE212:KeyMunicipioEquipoE2" ON "KumiteEquipo5" ("MUNICIPIOEQUIPO2R1R" COLLATE NOCASE);
CREATE INDEX "KE212:KeyIDNumeroDeEquipo3" ON "KumiteEquipo5" ("IDNUMERODEEQUIPO3");
CREATE INDEX "KE212:KeyMunicipioEquipoE3" ON "KumiteEquipo5" ("MUNICIPIOEQUIPOE3R1A" COLLATE NOCASE);
CREATE INDEX "KE212:KeyIDNumeroDeEquipo4" ON "KumiteEquipo5" ("IDNUMERODEEQUIPO4");
CREATE INDEX "KE212:KeyMunicipioEquipoE4" ON "KumiteEquipo5" ("MUNICIPIOEQUIPOE4R1R" COLLATE NOCASE);
CREATE INDEX "KE212:KeyCategoria" ON "KumiteEquipo5" ("Categoria" COLLATE NOCASE);
CREATE INDEX "KE212:KeyModalidad" ON "KumiteEquipo5" ("Modalidad" COLLATE NOCASE);
CREATE INDEX "KE212:KeyDivicion" ON "KumiteEquipo5" ("Divicion" COLLATE NOCASE);
COMMIT;

-- Competidor
.open Competidor.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'Competidor'),
  ('signature', 'table Competidor record 2811
field CM:IDCompetidor Long 4 @0 depth 0
field CM:COMPETIDORNUMERO Text 20 @4 depth 0
field CM:USERID Long 4 @24 depth 0
field CM:COMPETIDORINFO Group 0 @28 depth 0
field CM:NOMBRECOM Text 20 @28 depth 1
field CM:APELLIDOCOM Text 20 @48 depth 1
field CM:FullNameC Text 30 @68 depth 1
field CM:PAISDIRECION Text 20 @98 depth 1
field CM:FECHANACIMIENTO Date 4 @118 depth 1
field CM:DojoName Text 20 @122 depth 1
field CM:NOMBREMAESTRO Text 45 @142 depth 1
field CM:NOMBREDEPARIENTE Text 30 @187 depth 1
field CM:TELEFONODEPARIENTE Text 20 @217 depth 1
field CM:RANGO Text 20 @237 depth 1
field CM:DIRECION Text 30 @257 depth 1
field CM:PUEBLO Text 30 @287 depth 1
field CM:CIUDAD Text 20 @317 depth 1
field CM:PAIS Text 20 @337 depth 1
field CM:ZIP Text 20 @357 depth 1
field CM:CELULAR Text 20 @377 depth 1
field CM:TELEFONO Text 20 @397 depth 1
field CM:EMAIL1 Text 45 @417 depth 1
field CM:EMAIL2 Text 45 @462 depth 1
field CM:FACEBOOK Text 45 @507 depth 1
field CM:PAGINAWEB Text 45 @552 depth 1
field CM:REGISTER Group 0 @597 depth 0
field CM:REGISTRACIONPAGOKATA Decimal 4 7,2 @597 depth 1
field CM:REGISTRACIONPAGOKUMITE Decimal 4 7,2 @601 depth 1
field CM:REGISTRACIONPAGOEQUIPO Decimal 4 7,2 @605 depth 1
field CM:REGISTRACIONPAGOALLEVENTS Decimal 4 7,2 @609 depth 1
field CM:PAGOKATA Decimal 4 7,2 @613 depth 1
field CM:REGISTRACIONPAGOOTROS Decimal 4 7,2 @617 depth 1
field CM:PAGOKUMITE Decimal 4 7,2 @621 depth 1
field CM:PAGOEQUIPO Decimal 4 7,2 @625 depth 1
field CM:PAGOALLEVENTS Decimal 4 7,2 @629 depth 1
field CM:PAGOOTRO Decimal 4 7,2 @633 depth 1
field CM:REGISTRAACTIVA1 Decimal 4 7,2 @637 depth 1
field CM:REGISTRAACTIVA2 Decimal 4 7,2 @641 depth 1
field CM:EVENTO Group 0 @645 depth 0
field CM:CODIGODEEVENTO Text 20 @645 depth 1
field CM:NOMBRETORNEO Text 50 @665 depth 1
field CM:NOMBREORGANIZACION Text 100 @715 depth 1
field CM:NOMBREEMPRESA Text 50 @815 depth 1
field CM:FECHAEVENTO Date 4 @865 depth 1
field CM:DIVICION Text 20 @869 depth 1
field CM:NOMBREDELDIRECTOREVENTO Text 50 @889 depth 1
field CM:NOBREDIRECTORTECNICO Text 50 @939 depth 1
field CM:MODALIDAD Text 45 @989 depth 1
field CM:CATEGORIA Text 20 @1034 depth 1
field CM:FOTO Group 0 @1054 depth 0
field CM:PictureFileName Text 256 @1054 depth 1
field CM:FILEMASK Text 128 @1310 depth 1
field CM:PICTURENAME Text 256 @1438 depth 1
field CM:PICTUREBODY Text 20 @1694 depth 1
field CM:StoreType Byte 1 @1714 depth 1
field CM:DefaultPicturePath Text 256 @1715 depth 1
field CM:CAPTION Text 128 @1971 depth 1
field CM:CurrentPath Text 256 @2099 depth 1
field CM:PictureFile Text 256 @2355 depth 1
field CM:PICTURE Text 20 @2611 depth 1
field CM:STAT Group 0 @2631 depth 0
field CM:PESO Text 20 @2631 depth 1
field CM:EDAD Text 20 @2651 depth 1
field CM:Sexo Text 20 @2671 depth 1
field CM:ESTATURA Text 20 @2691 depth 1
field CM:EXTRA Group 0 @2711 depth 0
field CM:EXTRA1 Text 20 @2711 depth 1
field CM:EXTRA2 Text 20 @2731 depth 1
field CM:EXTRA3 Text 20 @2751 depth 1
field CM:EXTRA4 Text 20 @2771 depth 1
field CM:EXTRA5 Decimal 4 7,2 @2791 depth 1
field CM:EXTRA6 Decimal 4 7,2 @2795 depth 1
field CM:EXTRA7 Decimal 4 7,2 @2799 depth 1
field CM:EXTRA8 Decimal 4 7,2 @2803 depth 1
field CM:EXTRA9 Decimal 4 7,2 @2807 depth 1
memo CM:Memo1 1000
memo CM:Memo2 1000
memo CM:COMMENTS 240
memo CM:NotaPagos 250
');
CREATE TABLE "Competidor" (
  "IDCompetidor" INTEGER NOT NULL DEFAULT 0,
  "COMPETIDORNUMERO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "USERID" INTEGER NOT NULL DEFAULT 0,
  "NOMBRECOM" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APELLIDOCOM" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FullNameC" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISDIRECION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHANACIMIENTO" TEXT NOT NULL DEFAULT '',
  "DojoName" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREMAESTRO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDEPARIENTE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TELEFONODEPARIENTE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RANGO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIRECION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PUEBLO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CIUDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAIS" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ZIP" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CELULAR" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TELEFONO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EMAIL1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EMAIL2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FACEBOOK" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAGINAWEB" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "REGISTRACIONPAGOKATA" NUMERIC NOT NULL DEFAULT 0,
  "REGISTRACIONPAGOKUMITE" NUMERIC NOT NULL DEFAULT 0,
  "REGISTRACIONPAGOEQUIPO" NUMERIC NOT NULL DEFAULT 0,
  "REGISTRACIONPAGOALLEVENTS" NUMERIC NOT NULL DEFAULT 0,
  "PAGOKATA" NUMERIC NOT NULL DEFAULT 0,
  "REGISTRACIONPAGOOTROS" NUMERIC NOT NULL DEFAULT 0,
  "PAGOKUMITE" NUMERIC NOT NULL DEFAULT 0,
  "PAGOEQUIPO" NUMERIC NOT NULL DEFAULT 0,
  "PAGOALLEVENTS" NUMERIC NOT NULL DEFAULT 0,
  "PAGOOTRO" NUMERIC NOT NULL DEFAULT 0,
  "REGISTRAACTIVA1" NUMERIC NOT NULL DEFAULT 0,
  "REGISTRAACTIVA2" NUMERIC NOT NULL DEFAULT 0,
  "CODIGODEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRETORNEO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREORGANIZACION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREEMPRESA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHAEVENTO" TEXT NOT NULL DEFAULT '',
  "DIVICION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDELDIRECTOREVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOBREDIRECTORTECNICO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PictureFileName" TEXT COLLATE NOCASE NOT NULL DEFAULT '.\',
  "FILEMASK" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PICTURENAME" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PICTUREBODY" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "StoreType" INTEGER NOT NULL DEFAULT 1,
  "DefaultPicturePath" TEXT COLLATE NOCASE NOT NULL DEFAULT '.\Fotos ZRV',
  "CAPTION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CurrentPath" TEXT COLLATE NOCASE NOT NULL DEFAULT '.\Fotos ZRV',
  "PictureFile" TEXT COLLATE NOCASE NOT NULL DEFAULT '.\Fotos ZRV',
  "PICTURE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PESO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Sexo" TEXT COLLATE NOCASE NOT NULL DEFAULT 'ND',
  "ESTATURA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EXTRA1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EXTRA2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EXTRA3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EXTRA4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EXTRA5" NUMERIC NOT NULL DEFAULT 0,
  "EXTRA6" NUMERIC NOT NULL DEFAULT 0,
  "EXTRA7" NUMERIC NOT NULL DEFAULT 0,
  "EXTRA8" NUMERIC NOT NULL DEFAULT 0,
  "EXTRA9" NUMERIC NOT NULL DEFAULT 0,
  "Memo1" TEXT NOT NULL DEFAULT '',
  "Memo2" TEXT NOT NULL DEFAULT '',
  "COMMENTS" TEXT NOT NULL DEFAULT '',
  "NotaPagos" TEXT NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "CM:KeyNumeroRecordID" ON "Competidor" ("IDCompetidor");
CREATE INDEX "CM:KeyUserID" ON "Competidor" ("USERID");
CREATE INDEX "CM:KeyCompetidorNumero" ON "Competidor" ("COMPETIDORNUMERO" COLLATE NOCASE);
CREATE INDEX "CM:KEYCodigoDeEvento" ON "Competidor" ("CODIGODEEVENTO" COLLATE NOCASE);
CREATE INDEX "CM:KeyDivicion" ON "Competidor" ("DIVICION" COLLATE NOCASE);
CREATE INDEX "CM:KeyNombreTorneo" ON "Competidor" ("NOMBRETORNEO" COLLATE NOCASE);
CREATE INDEX "CM:KeyModalidad" ON "Competidor" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "CM:CategoriaKey" ON "Competidor" ("CATEGORIA" COLLATE NOCASE);
CREATE INDEX "CM:keyRegistrado" ON "Competidor" ("EXTRA8");
CREATE INDEX "CM:keyPago" ON "Competidor" ("EXTRA9");
CREATE INDEX "CM:KEYFechaEvento" ON "Competidor" ("FECHAEVENTO");
CREATE INDEX "CM:KeyRegistracionPagoOtros" ON "Competidor" ("REGISTRACIONPAGOOTROS");
CREATE INDEX "CM:KeyRegistracionPagoAllEvents" ON "Competidor" ("REGISTRACIONPAGOALLEVENTS");
CREATE INDEX "CM:KeyRegistracionPagoEquipo" ON "Competidor" ("REGISTRACIONPAGOEQUIPO");
CREATE INDEX "CM:KeyRegistracionPagoKumite" ON "Competidor" ("REGISTRACIONPAGOKUMITE");
CREATE INDEX "CM:KeyRegistracionPagoKata" ON "Competidor" ("REGISTRACIONPAGOKATA");
CREATE INDEX "CM:KeyRegistracionPago" ON "Competidor" ("REGISTRACIONPAGOALLEVENTS", "REGISTRACIONPAGOKUMITE", "REGISTRACIONPAGOEQUIPO", "REGISTRACIONPAGOKATA", "REGISTRACIONPAGOOTROS");
CREATE INDEX "CM:KeySortByName" ON "Competidor" ("PICTURENAME" COLLATE NOCASE);
CREATE INDEX "CM:KeyDojo" ON "Competidor" ("DojoName" COLLATE NOCASE);
CREATE INDEX "CM:KeyFullNameC" ON "Competidor" ("FullNameC" COLLATE NOCASE);
CREATE INDEX "CM:KeyNombreApellidoCom" ON "Competidor" ("NOMBRECOM" COLLATE NOCASE, "APELLIDOCOM" COLLATE NOCASE);
CREATE INDEX "CM:NombreKey" ON "Competidor" ("NOMBRECOM" COLLATE NOCASE);
CREATE INDEX "CM:ApellidoKey" ON "Competidor" ("APELLIDOCOM" COLLATE NOCASE);
CREATE INDEX "CM:PaisKey" ON "Competidor" ("PAIS" COLLATE NOCASE);
CREATE INDEX "CM:EdadKey" ON "Competidor" ("EDAD" COLLATE NOCASE);
CREATE INDEX "CM:SexoKey" ON "Competidor" ("Sexo" COLLATE NOCASE);
COMMIT;

-- Dojo
.open Dojo.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'Dojo'),
  ('signature', 'table Dojo record 453
field DOJ:IDDOJO Long 4 @0 depth 0
field DOJ:ORGANIZACION Text 20 @4 depth 0
field DOJ:USERID Long 4 @24 depth 0
field DOJ:NOMBREMAESTRO Text 20 @28 depth 0
field DOJ:NOMBREESCUELA Text 20 @48 depth 0
field DOJ:CELULAR Text 20 @68 depth 0
field DOJ:TELEFONO Text 20 @88 depth 0
field DOJ:FAX Text 20 @108 depth 0
field DOJ:DIRECCION Text 40 @128 depth 0
field DOJ:CIUDAD Text 20 @168 depth 0
field DOJ:PAIS Text 20 @188 depth 0
field DOJ:ZIP Text 10 @208 depth 0
field DOJ:POBOX Text 40 @218 depth 0
field DOJ:EMAIL1 Text 20 @258 depth 0
field DOJ:EMAIL2 Text 20 @278 depth 0
field DOJ:NOMBREENTRENADOR Text 20 @298 depth 0
field DOJ:NOMBREASISTENTEENTRENADOR Text 20 @318 depth 0
field DOJ:AFILIADOALALIGA Text 5 @338 depth 0
field DOJ:NUMERODEAFILIADO Text 20 @343 depth 0
field DOJ:PAGINAWEB Text 45 @363 depth 0
field DOJ:FACEBOOK Text 45 @408 depth 0
');
CREATE TABLE "Dojo" (
  "IDDOJO" INTEGER NOT NULL DEFAULT 0,
  "ORGANIZACION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "USERID" INTEGER NOT NULL DEFAULT 0,
  "NOMBREMAESTRO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREESCUELA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CELULAR" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TELEFONO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FAX" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIRECCION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CIUDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAIS" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ZIP" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "POBOX" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EMAIL1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EMAIL2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREENTRENADOR" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREASISTENTEENTRENADOR" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "AFILIADOALALIGA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NUMERODEAFILIADO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAGINAWEB" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FACEBOOK" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "DOJ:IDDojoKey" ON "Dojo" ("IDDOJO");
CREATE INDEX "DOJ:KeyEntrenador" ON "Dojo" ("NOMBREENTRENADOR" COLLATE NOCASE);
CREATE INDEX "DOJ:KeyUserID" ON "Dojo" ("USERID");
CREATE INDEX "DOJ:KeyCiudad" ON "Dojo" ("CIUDAD" COLLATE NOCASE);
CREATE INDEX "DOJ:KeyMunicipio" ON "Dojo" ("CIUDAD" COLLATE NOCASE);
CREATE INDEX "DOJ:DojoNameKey" ON "Dojo" ("NOMBREESCUELA" COLLATE NOCASE);
CREATE INDEX "DOJ:OrganizacionKey" ON "Dojo" ("ORGANIZACION" COLLATE NOCASE);
CREATE INDEX "DOJ:MaestoKey" ON "Dojo" ("NOMBREMAESTRO" COLLATE NOCASE);
CREATE INDEX "DOJ:PaisKey" ON "Dojo" ("PAIS" COLLATE NOCASE);
COMMIT;

-- TournamentInfo
.open TournamentInfo.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'TournamentInfo'),
  ('signature', 'table TournamentInfo record 542
field TOU:TID Long 4 @0 depth 0
field TOU:TLID Long 4 @4 depth 0
field TOU:CODIGODEEVENTO Text 20 @8 depth 0
field TOU:FECHAEVENTO Date 4 @28 depth 0
field TOU:NOMBRETORNEO Text 50 @32 depth 0
field TOU:NOMBREORGANIZACION Text 50 @82 depth 0
field TOU:NOMBREEMPRESA Text 50 @132 depth 0
field TOU:NOMBREDELDIRECTOREVENTO Text 50 @182 depth 0
field TOU:NOBREDIRECTORTECNICO Text 50 @232 depth 0
field TOU:CELULAR Text 20 @282 depth 0
field TOU:TELEFONO Text 20 @302 depth 0
field TOU:EMAIL Text 20 @322 depth 0
field TOU:ZIP Text 20 @342 depth 0
field TOU:PAIS Text 20 @362 depth 0
field TOU:CIUDAD Text 20 @382 depth 0
field TOU:DIRECCION Text 50 @402 depth 0
field TOU:PAGINAWEB Text 45 @452 depth 0
field TOU:FACEBOOK Text 45 @497 depth 0
');
CREATE TABLE "TournamentInfo" (
  "TID" INTEGER NOT NULL DEFAULT 0,
  "TLID" INTEGER NOT NULL DEFAULT 0,
  "CODIGODEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHAEVENTO" TEXT NOT NULL DEFAULT '',
  "NOMBRETORNEO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREORGANIZACION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREEMPRESA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDELDIRECTOREVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOBREDIRECTORTECNICO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CELULAR" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TELEFONO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "EMAIL" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ZIP" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAIS" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CIUDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIRECCION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAGINAWEB" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FACEBOOK" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "TOU:KeyTID" ON "TournamentInfo" ("TID" DESC);
CREATE INDEX "TOU:keyTLID" ON "TournamentInfo" ("TLID");
CREATE UNIQUE INDEX "TOU:KEYCodigoDeEvento" ON "TournamentInfo" ("CODIGODEEVENTO" COLLATE NOCASE);
CREATE INDEX "TOU:FechaKey" ON "TournamentInfo" ("FECHAEVENTO");
CREATE INDEX "TOU:NombreTorneoKey" ON "TournamentInfo" ("NOMBRETORNEO" COLLATE NOCASE);
CREATE INDEX "TOU:KeyNombreOrganizacion" ON "TournamentInfo" ("NOMBREORGANIZACION" COLLATE NOCASE);
CREATE INDEX "TOU:KeyNombreEmpresa" ON "TournamentInfo" ("NOMBREEMPRESA" COLLATE NOCASE);
CREATE INDEX "TOU:KeyNombreDelDirectorEvento" ON "TournamentInfo" ("NOMBREDELDIRECTOREVENTO" COLLATE NOCASE);
CREATE INDEX "TOU:keyNobreDirectorTecnico" ON "TournamentInfo" ("NOBREDIRECTORTECNICO" COLLATE NOCASE);
CREATE INDEX "TOU:PaisKey" ON "TournamentInfo" ("PAIS" COLLATE NOCASE);
CREATE INDEX "TOU:CiudadKey" ON "TournamentInfo" ("CIUDAD" COLLATE NOCASE);
COMMIT;

-- Categoria
.open Categoria.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'Categoria'),
  ('signature', 'table Categoria record 109
field KAT:ID Long 4 @0 depth 0
field KAT:CATEGORIAS Text 45 @4 depth 0
field KAT:DIVICIONINFO Text 45 @49 depth 0
field KAT:COLOR Text 15 @94 depth 0
');
CREATE TABLE "Categoria" (
  "ID" INTEGER NOT NULL DEFAULT 0,
  "CATEGORIAS" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVICIONINFO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLOR" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "KAT:IDCategorias" ON "Categoria" ("ID");
CREATE INDEX "KAT:CategoriasKey" ON "Categoria" ("CATEGORIAS" COLLATE NOCASE);
COMMIT;

-- Divisiones
.open Divisiones.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'Divisiones'),
  ('signature', 'table Divisiones record 53
field DIV:IDCATEGORYA Real 8 @0 depth 0
field DIV:DIVISIONES Text 45 @8 depth 0
');
CREATE TABLE "Divisiones" (
  "IDCATEGORYA" REAL NOT NULL DEFAULT 0,
  "DIVISIONES" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "DIV:IDDivicion" ON "Divisiones" ("IDCATEGORYA");
CREATE UNIQUE INDEX "DIV:DivicionesKey" ON "Divisiones" ("DIVISIONES" COLLATE NOCASE);
COMMIT;

-- ResultadosKataJueces5
.open ResultadosKataJueces5.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'ResultadosKataJueces5'),
  ('signature', 'table ResultadosKataJueces5 record 544
field R5J:IDCONTROLNUMBER Text 20 @0 depth 0
field R5J:FECHAEVENTO Date 4 @20 depth 0
field R5J:NOMBRECOMPETIDOR1 Text 20 @24 depth 0
field R5J:CODIGOEVENTO Decimal 4 7,2 @44 depth 0
field R5J:APELLIDOCOMPETIDOR1 Text 20 @48 depth 0
field R5J:NUMERODECOMPETICION Decimal 4 7,2 @68 depth 0
field R5J:COMPETIDORPUNTOST1 Decimal 4 7,2 @72 depth 0
field R5J:COMPETIDORPUNTOSA1 Decimal 4 7,2 @76 depth 0
field R5J:RESULTADOTOTALC1 Decimal 4 7,2 @80 depth 0
field R5J:NOMBRECOMPETIDOR2 Text 20 @84 depth 0
field R5J:APELLIDOCOMPETIDOR2 Text 20 @104 depth 0
field R5J:COMPETIDORPUNTOST2 Decimal 4 7,2 @124 depth 0
field R5J:COMPETIDORPUNTOSA2 Decimal 4 7,2 @128 depth 0
field R5J:RESULTADOTOTALC2 Decimal 4 7,2 @132 depth 0
field R5J:NOMBRECOMPETIDOR3 Text 20 @136 depth 0
field R5J:APELLIDOCOMPETIDOR3 Text 20 @156 depth 0
field R5J:COMPETIDORPUNTOST3 Decimal 4 7,2 @176 depth 0
field R5J:COMPETIDORPUNTOSA3 Decimal 4 7,2 @180 depth 0
field R5J:RESULTADOTOTALC3 Decimal 4 7,2 @184 depth 0
field R5J:NOMBRECOMPETIDOR4 Text 20 @188 depth 0
field R5J:APELLIDOCOMPETIDOR4 Text 20 @208 depth 0
field R5J:COMPETIDORPUNTOST4 Decimal 4 7,2 @228 depth 0
field R5J:COMPETIDORPUNTOSA4 Decimal 4 7,2 @232 depth 0
field R5J:RESULTADOTOTALC4 Decimal 4 7,2 @236 depth 0
field R5J:NOMBRECOMPETIDOR5 Text 20 @240 depth 0
field R5J:APELLIDOCOMPETIDOR5 Text 20 @260 depth 0
field R5J:COMPETIDORPUNTOST5 Decimal 4 7,2 @280 depth 0
field R5J:COMPETIDORPUNTOSA5 Decimal 4 7,2 @284 depth 0
field R5J:RESULTADOTOTALC5 Decimal 4 7,2 @288 depth 0
field R5J:NOMBRECOMPETIDOR6 Text 20 @292 depth 0
field R5J:APELLIDOCOMPETIDOR6 Text 20 @312 depth 0
field R5J:COMPETIDORPUNTOST6 Decimal 4 7,2 @332 depth 0
field R5J:COMPETIDORPUNTOSA6 Decimal 4 7,2 @336 depth 0
field R5J:RESULTADOTOTALC6 Decimal 4 7,2 @340 depth 0
field R5J:NOMBRECOMPETIDOR7 Text 20 @344 depth 0
field R5J:APELLIDOCOMPETIDOR7 Text 20 @364 depth 0
field R5J:COMPETIDORPUNTOST7 Decimal 4 7,2 @384 depth 0
field R5J:COMPETIDORPUNTOSA7 Decimal 4 7,2 @388 depth 0
field R5J:RESULTADOTOTALC7 Decimal 4 7,2 @392 depth 0
field R5J:NOMBRECOMPETIDOR8 Text 20 @396 depth 0
field R5J:APELLIDOCOMPETIDOR8 Text 20 @416 depth 0
field R5J:COMPETIDORPUNTOST8 Decimal 4 7,2 @436 depth 0
field R5J:COMPETIDORPUNTOSA8 Decimal 4 7,2 @440 depth 0
field R5J:RESULTADOTOTALC8 Decimal 4 7,2 @444 depth 0
field R5J:PRIMERLUGARNOMBRE Text 20 @448 depth 0
field R5J:PRIMERLUGARPUNTOS Decimal 4 7,2 @468 depth 0
field R5J:SEGUNDOLUGARNOMBRE Text 20 @472 depth 0
field R5J:SEGUNDOLUGARPUNTOS Decimal 4 7,2 @492 depth 0
field R5J:TERCERLUGARNOMBRES Text 20 @496 depth 0
field R5J:TERCERLUGARPUNTOSS Decimal 4 7,2 @516 depth 0
field R5J:TERCERLUGARNOMBRE Text 20 @520 depth 0
field R5J:TECERLUGARPUNTOS Decimal 4 7,2 @540 depth 0
');
CREATE TABLE "ResultadosKataJueces5" (
  "IDCONTROLNUMBER" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHAEVENTO" TEXT NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CODIGOEVENTO" NUMERIC NOT NULL DEFAULT 0,
  "APELLIDOCOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NUMERODECOMPETICION" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOST1" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOSA1" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOTOTALC1" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APELLIDOCOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDORPUNTOST2" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOSA2" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOTOTALC2" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APELLIDOCOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDORPUNTOST3" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOSA3" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOTOTALC3" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APELLIDOCOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDORPUNTOST4" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOSA4" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOTOTALC4" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APELLIDOCOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDORPUNTOST5" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOSA5" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOTOTALC5" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APELLIDOCOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDORPUNTOST6" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOSA6" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOTOTALC6" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APELLIDOCOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDORPUNTOST7" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOSA7" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOTOTALC7" NUMERIC NOT NULL DEFAULT 0,
  "NOMBRECOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APELLIDOCOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COMPETIDORPUNTOST8" NUMERIC NOT NULL DEFAULT 0,
  "COMPETIDORPUNTOSA8" NUMERIC NOT NULL DEFAULT 0,
  "RESULTADOTOTALC8" NUMERIC NOT NULL DEFAULT 0,
  "PRIMERLUGARNOMBRE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PRIMERLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "SEGUNDOLUGARNOMBRE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SEGUNDOLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0,
  "TERCERLUGARNOMBRES" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TERCERLUGARPUNTOSS" NUMERIC NOT NULL DEFAULT 0,
  "TERCERLUGARNOMBRE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TECERLUGARPUNTOS" NUMERIC NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX "R5J:KeyResultadosDiNumber" ON "ResultadosKataJueces5" ("IDCONTROLNUMBER" COLLATE NOCASE);
CREATE INDEX "R5J:KeyFecha" ON "ResultadosKataJueces5" ("FECHAEVENTO");
CREATE INDEX "R5J:KeyCodigoDeEvento" ON "ResultadosKataJueces5" ("CODIGOEVENTO");
COMMIT;

-- Modalidades
.open Modalidades.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'Modalidades'),
  ('signature', 'table Modalidades record 49
field MOD:IDMNOMBER Long 4 @0 depth 0
field MOD:MODALIDAD Text 45 @4 depth 0
');
CREATE TABLE "Modalidades" (
  "IDMNOMBER" INTEGER NOT NULL DEFAULT 0,
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "MOD:keyModalidad" ON "Modalidades" ("IDMNOMBER");
CREATE INDEX "MOD:KeyMobalidades" ON "Modalidades" ("MODALIDAD" COLLATE NOCASE);
COMMIT;

-- Katas
.open Katas.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'Katas'),
  ('signature', 'table Katas record 69
field KN:IDNOMBREKATAS Long 4 @0 depth 0
field KN:NOMBREDEKATAS Text 45 @4 depth 0
field KN:TIPODEKATAS Text 20 @49 depth 0
');
CREATE TABLE "Katas" (
  "IDNOMBREKATAS" INTEGER NOT NULL DEFAULT 0,
  "NOMBREDEKATAS" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TIPODEKATAS" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE INDEX "KN:KeyIDKatas" ON "Katas" ("IDNOMBREKATAS");
CREATE INDEX "KN:KeyNombreDeKatas" ON "Katas" ("NOMBREDEKATAS" COLLATE NOCASE);
CREATE INDEX "KN:KeyTipoDeKatas" ON "Katas" ("TIPODEKATAS" COLLATE NOCASE);
COMMIT;

-- Colores
.open Colores.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'Colores'),
  ('signature', 'table Colores record 10
field COL:IDCOLORES Long 4 @0 depth 0
field COL:COLORES Text 6 @4 depth 0
');
CREATE TABLE "Colores" (
  "IDCOLORES" INTEGER NOT NULL DEFAULT 0,
  "COLORES" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "COL:KeyIDColor" ON "Colores" ("IDCOLORES");
CREATE INDEX "COL:KeyColor" ON "Colores" ("COLORES" COLLATE NOCASE);
COMMIT;

-- Equipos
.open Equipos.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'Equipos'),
  ('signature', 'table Equipos record 253
field EQU:IDNUMERODEEQUIPO Long 4 @0 depth 0
field EQU:FECHAEVENTO Date 4 @4 depth 0
field EQU:CODIGODEEVENTO Text 20 @8 depth 0
field EQU:NOMBREDEEQUIPO Text 20 @28 depth 0
field EQU:DIVICION Text 45 @48 depth 0
field EQU:TotalIntegrantes Decimal 4 7,0 @93 depth 0
field EQU:MODALIDAD Text 45 @97 depth 0
field EQU:CATEGORIA Text 45 @142 depth 0
field EQU:MUNICIPIOEQUIPO Text 20 @187 depth 0
field EQU:NOMBREDOJO Text 20 @207 depth 0
field EQU:Entrenado Text 20 @227 depth 0
field EQU:COLOR Text 6 @247 depth 0
');
CREATE TABLE "Equipos" (
  "IDNUMERODEEQUIPO" INTEGER NOT NULL DEFAULT 0,
  "FECHAEVENTO" TEXT NOT NULL DEFAULT '',
  "CODIGODEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDEEQUIPO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVICION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TotalIntegrantes" NUMERIC NOT NULL DEFAULT 0,
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIA" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIOEQUIPO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Entrenado" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLOR" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "EQU:KeyIDNumeroDeEquipo" ON "Equipos" ("IDNUMERODEEQUIPO");
CREATE INDEX "EQU:KeyCodigoDeEvento" ON "Equipos" ("CODIGODEEVENTO" COLLATE NOCASE);
CREATE INDEX "EQU:KeyFechaEvento" ON "Equipos" ("FECHAEVENTO");
CREATE INDEX "EQU:KeyCategorias" ON "Equipos" ("CATEGORIA" COLLATE NOCASE);
CREATE INDEX "EQU:KeyMunicipioEquipo" ON "Equipos" ("MUNICIPIOEQUIPO" COLLATE NOCASE);
CREATE INDEX "EQU:KeyColor" ON "Equipos" ("COLOR" COLLATE NOCASE);
CREATE INDEX "EQU:KeyEntrenadores" ON "Equipos" ("Entrenado" COLLATE NOCASE);
CREATE INDEX "EQU:KeyNombreDeEquipo" ON "Equipos" ("NOMBREDEEQUIPO" COLLATE NOCASE);
CREATE INDEX "EQU:KeyDivicion" ON "Equipos" ("DIVICION" COLLATE NOCASE);
CREATE INDEX "EQU:KeyModalidad" ON "Equipos" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "EQU:KeyCategoriaModalidadDiviciones" ON "Equipos" ("MODALIDAD" COLLATE NOCASE, "CATEGORIA" COLLATE NOCASE, "DIVICION" COLLATE NOCASE);
COMMIT;

-- TatamiMats
.open TatamiMats.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'TatamiMats'),
  ('signature', 'table TatamiMats record 109
field TAT:IDTATAMI Decimal 4 7,0 @0 depth 0
field TAT:TATAMIMATSNO Text 45 @4 depth 0
field TAT:TATAMIMATSINFO Text 60 @49 depth 0
');
CREATE TABLE "TatamiMats" (
  "IDTATAMI" NUMERIC NOT NULL DEFAULT 0,
  "TATAMIMATSNO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TATAMIMATSINFO" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "TAT:KeyIDTatami" ON "TatamiMats" ("IDTATAMI");
CREATE INDEX "TAT:KeyTatamiMatsNo" ON "TatamiMats" ("TATAMIMATSNO" COLLATE NOCASE);
CREATE INDEX "TAT:KeyTatamiMatsInfo" ON "TatamiMats" ("TATAMIMATSINFO" COLLATE NOCASE);
COMMIT;

-- ResultadosManual
.open ResultadosManual.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'ResultadosManual'),
  ('signature', 'table ResultadosManual record 612
field RM:IDResultadosM Decimal 4 7,0 @0 depth 0
field RM:CodigoDeEvento Text 20 @4 depth 0
field RM:FechaEvento Date 4 @24 depth 0
field RM:Cerrar Decimal 4 7,0 @28 depth 0
field RM:NumeroDeCompeticion Long 4 @32 depth 0
field RM:IDNumeroDeEventoEquipo Long 4 @36 depth 0
field RM:IDNumeroDeEventoKIndividual Long 4 @40 depth 0
field RM:Categorias Text 45 @44 depth 0
field RM:Divisiones Text 45 @89 depth 0
field RM:Modalidad Text 45 @134 depth 0
field RM:TatamiMatsNo Text 45 @179 depth 0
field RM:PrimerLugarNombre Text 40 @224 depth 0
field RM:PRIMERLUGARDOJO Text 45 @264 depth 0
field RM:PRIMERLUGARPUNTOSTOTAL Decimal 4 7,0 @309 depth 0
field RM:PRIMERLUGARPUNTOST Decimal 4 7,0 @313 depth 0
field RM:PRIMERLUGARPUNTOSA Decimal 4 7,0 @317 depth 0
field RM:SegundoLugarNombre Text 40 @321 depth 0
field RM:SEGUNDOLUGARDOJO Text 45 @361 depth 0
field RM:SEGUNDOLUGARPUNTOSTOTAL Decimal 4 7,0 @406 depth 0
field RM:SEGUNDOLUGARPUNTOST Decimal 4 7,0 @410 depth 0
field RM:SEGUNDOLUGARPUNTOSA Decimal 4 7,0 @414 depth 0
field RM:STerceroLugarNombre Text 40 @418 depth 0
field RM:STERCEROLUGARDOJO Text 45 @458 depth 0
field RM:STERCEROLUGARPUNTOSTOTAL Decimal 4 7,0 @503 depth 0
field RM:STERCEROLUGARPUNTOST Decimal 4 7,0 @507 depth 0
field RM:STERCEROLUGARPUNTOSA Decimal 4 7,0 @511 depth 0
field RM:TerceroLugarNombre Text 40 @515 depth 0
field RM:TERCEROLUGARDOJO Text 45 @555 depth 0
field RM:TERCEROLUGARPUNTOSTOTAL Decimal 4 7,0 @600 depth 0
field RM:TERCEROLUGARPUNTOST Decimal 4 7,0 @604 depth 0
field RM:TERCEROLUGARPUNTOSA Decimal 4 7,0 @608 depth 0
');
CREATE TABLE "ResultadosManual" (
  "IDResultadosM" NUMERIC NOT NULL DEFAULT 0,
  "CodigoDeEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FechaEvento" TEXT NOT NULL DEFAULT '',
  "Cerrar" NUMERIC NOT NULL DEFAULT 0,
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "IDNumeroDeEventoEquipo" INTEGER NOT NULL DEFAULT 0,
  "IDNumeroDeEventoKIndividual" INTEGER NOT NULL DEFAULT 0,
  "Categorias" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Divisiones" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Modalidad" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TatamiMatsNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PrimerLugarNombre" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PRIMERLUGARDOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PRIMERLUGARPUNTOSTOTAL" NUMERIC NOT NULL DEFAULT 0,
  "PRIMERLUGARPUNTOST" NUMERIC NOT NULL DEFAULT 0,
  "PRIMERLUGARPUNTOSA" NUMERIC NOT NULL DEFAULT 0,
  "SegundoLugarNombre" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SEGUNDOLUGARDOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "SEGUNDOLUGARPUNTOSTOTAL" NUMERIC NOT NULL DEFAULT 0,
  "SEGUNDOLUGARPUNTOST" NUMERIC NOT NULL DEFAULT 0,
  "SEGUNDOLUGARPUNTOSA" NUMERIC NOT NULL DEFAULT 0,
  "STerceroLugarNombre" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "STERCEROLUGARDOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "STERCEROLUGARPUNTOSTOTAL" NUMERIC NOT NULL DEFAULT 0,
  "STERCEROLUGARPUNTOST" NUMERIC NOT NULL DEFAULT 0,
  "STERCEROLUGARPUNTOSA" NUMERIC NOT NULL DEFAULT 0,
  "TerceroLugarNombre" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TERCEROLUGARDOJO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TERCEROLUGARPUNTOSTOTAL" NUMERIC NOT NULL DEFAULT 0,
  "TERCEROLUGARPUNTOST" NUMERIC NOT NULL DEFAULT 0,
  "TERCEROLUGARPUNTOSA" NUMERIC NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX "RM:keyIDResultadosM" ON "ResultadosManual" ("IDResultadosM" DESC);
CREATE INDEX "RM:keyNumeroDeCompeticionKata" ON "ResultadosManual" ("NumeroDeCompeticion");
CREATE INDEX "RM:keyIDNumeroDeEventoEquipo" ON "ResultadosManual" ("IDNumeroDeEventoEquipo");
CREATE INDEX "RM:keyIDNumeroDeEventoKIndividual" ON "ResultadosManual" ("IDNumeroDeEventoKIndividual");
CREATE INDEX "RM:keyCodigoDeEvento" ON "ResultadosManual" ("CodigoDeEvento" COLLATE NOCASE);
CREATE INDEX "RM:keyCategorias" ON "ResultadosManual" ("Categorias" COLLATE NOCASE);
CREATE INDEX "RM:keyDivisiones" ON "ResultadosManual" ("Divisiones" COLLATE NOCASE);
CREATE INDEX "RM:keyModalidad" ON "ResultadosManual" ("Modalidad" COLLATE NOCASE);
CREATE INDEX "RM:keyTatamiMatsNo" ON "ResultadosManual" ("TatamiMatsNo" COLLATE NOCASE);
COMMIT;

-- ScoreBoard
.open scoreboard.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'ScoreBoard'),
  ('signature', 'table ScoreBoard record 846
field SB:IDCombate Decimal 4 7,0 @0 depth 0
field SB:IDNumeroDeEventoKIndividual Long 4 @4 depth 0
field SB:IDNumeroDeEventoEquipo Long 4 @8 depth 0
field SB:Cerrar Decimal 4 7,0 @12 depth 0
field SB:FechaEvento Date 4 @16 depth 0
field SB:SBStop Decimal 4 7,0 @20 depth 0
field SB:CodigoDeEvento Text 20 @24 depth 0
field SB:Timer1StartTime Long 4 @44 depth 0
field SB:Timer1Flag Byte 1 @48 depth 0
field SB:NombreDelEvento Text 50 @49 depth 0
field SB:TatamiMatsNo Text 30 @99 depth 0
field SB:ShikakuAkaCK Decimal 4 7,2 @129 depth 0
field SB:ShikakuAoCK Decimal 4 7,2 @133 depth 0
field SB:Categoria Text 45 @137 depth 0
field SB:Queue Text 20 @182 depth 0
field SB:Divicion Text 45 @202 depth 0
field SB:StopStart Decimal 4 7,0 @247 depth 0
field SB:WinnerByOr Decimal 4 7,0 @251 depth 0
field SB:WinnerByOrAka Decimal 4 7,0 @255 depth 0
field SB:WinnerByOrAo Decimal 4 7,0 @259 depth 0
field SB:CombateNo Text 20 @263 depth 0
field SB:Combate2No Text 20 @283 depth 0
field SB:CombateWNo Text 20 @303 depth 0
field SB:CombateLNo Text 20 @323 depth 0
field SB:Ronda2No Text 20 @343 depth 0
field SB:Ronda3No Text 20 @363 depth 0
field SB:FinalNo Text 20 @383 depth 0
field SB:TerceroRonda1 Text 20 @403 depth 0
field SB:TerceroRepeca2 Text 20 @423 depth 0
field SB:TerceroRepecaFinal3 Text 20 @443 depth 0
field SB:OverrideWinAka Decimal 4 7,0 @463 depth 0
field SB:OverrideWinAo Decimal 4 7,0 @467 depth 0
field SB:AkaWin Decimal 4 7,0 @471 depth 0
field SB:AoWin Decimal 4 7,0 @475 depth 0
field SB:HanteyAka Decimal 4 7,0 @479 depth 0
field SB:HanteyAo Decimal 4 7,0 @483 depth 0
field SB:KikenAka Decimal 4 7,0 @487 depth 0
field SB:KikenAo Decimal 4 7,0 @491 depth 0
field SB:ManualTimer Decimal 4 7,0 @495 depth 0
field SB:Modalidad Text 45 @499 depth 0
field SB:IpponAo Decimal 4 7,2 @544 depth 0
field SB:FullNameAo Text 30 @548 depth 0
field SB:DojoNameAo Text 20 @578 depth 0
field SB:PaisAo Text 20 @598 depth 0
field SB:FullNameAka Text 30 @618 depth 0
field SB:DojoNameAka Text 30 @648 depth 0
field SB:PaisAka Text 20 @678 depth 0
field SB:WazaAriAo Decimal 4 7,0 @698 depth 0
field SB:YukoAo Decimal 4 7,0 @702 depth 0
field SB:SenshuAo Decimal 4 7,2 @706 depth 0
field SB:RestaPuntosAo Decimal 4 7,0 @710 depth 0
field SB:C1Ao Decimal 4 7,0 @714 depth 0
field SB:K1Ao Decimal 4 7,0 @718 depth 0
field SB:H1CAo Decimal 4 7,0 @722 depth 0
field SB:H1Ao Decimal 4 7,0 @726 depth 0
field SB:C2Ao Decimal 4 7,0 @730 depth 0
field SB:K2Ao Decimal 4 7,0 @734 depth 0
field SB:HC2Ao Decimal 4 7,0 @738 depth 0
field SB:H2Ao Decimal 4 7,0 @742 depth 0
field SB:IpponAka Decimal 4 7,0 @746 depth 0
field SB:WazaAriAka Decimal 4 7,0 @750 depth 0
field SB:YukoAka Decimal 4 7,0 @754 depth 0
field SB:SenshuAka Decimal 4 7,0 @758 depth 0
field SB:RestaPuntosAka Decimal 4 7,0 @762 depth 0
field SB:C1Aka Decimal 4 7,0 @766 depth 0
field SB:K1Aka Decimal 4 7,0 @770 depth 0
field SB:H1CAka Decimal 4 7,0 @774 depth 0
field SB:H1Aka Decimal 4 7,0 @778 depth 0
field SB:C2Aka Decimal 4 7,0 @782 depth 0
field SB:K2Aka Decimal 4 7,0 @786 depth 0
field SB:HC2Aka Decimal 4 7,0 @790 depth 0
field SB:H2Aka Decimal 4 7,0 @794 depth 0
field SB:Timer Text 20 @798 depth 0
field SB:KOTimer Time 4 @818 depth 0
field SB:TimerMatch Decimal 4 7,0 @822 depth 0
field SB:WinnerKumiteBy Decimal 4 7,0 @826 depth 0
field SB:PuntoAo Decimal 4 7,0 @830 depth 0
field SB:PuntoAka Decimal 4 7,0 @834 depth 0
field SB:StopWatch Long 4 @838 depth 0
field SB:StopWatchMI Decimal 4 7,2 @842 depth 0
memo SB:ShikakuAkaMO 4000
memo SB:ShikakuAoMO 4000
');
CREATE TABLE "ScoreBoard" (
  "IDCombate" NUMERIC NOT NULL DEFAULT 0,
  "IDNumeroDeEventoKIndividual" INTEGER NOT NULL DEFAULT 0,
  "IDNumeroDeEventoEquipo" INTEGER NOT NULL DEFAULT 0,
  "Cerrar" NUMERIC NOT NULL DEFAULT 0,
  "FechaEvento" TEXT NOT NULL DEFAULT '',
  "SBStop" NUMERIC NOT NULL DEFAULT 0,
  "CodigoDeEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Timer1StartTime" INTEGER NOT NULL DEFAULT 90,
  "Timer1Flag" INTEGER NOT NULL DEFAULT 0,
  "NombreDelEvento" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "TatamiMatsNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "ShikakuAkaCK" NUMERIC NOT NULL DEFAULT 0,
  "ShikakuAoCK" NUMERIC NOT NULL DEFAULT 0,
  "Categoria" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "Divicion" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "StopStart" NUMERIC NOT NULL DEFAULT 1,
  "WinnerByOr" NUMERIC NOT NULL DEFAULT 1,
  "WinnerByOrAka" NUMERIC NOT NULL DEFAULT 0,
  "WinnerByOrAo" NUMERIC NOT NULL DEFAULT 0,
  "CombateNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "Combate2No" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "CombateWNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "CombateLNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "Ronda2No" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "Ronda3No" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "FinalNo" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "TerceroRonda1" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "TerceroRepeca2" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "TerceroRepecaFinal3" TEXT COLLATE NOCASE NOT NULL DEFAULT '9',
  "OverrideWinAka" NUMERIC NOT NULL DEFAULT 0,
  "OverrideWinAo" NUMERIC NOT NULL DEFAULT 0,
  "AkaWin" NUMERIC NOT NULL DEFAULT 0,
  "AoWin" NUMERIC NOT NULL DEFAULT 0,
  "HanteyAka" NUMERIC NOT NULL DEFAULT 0,
  "HanteyAo" NUMERIC NOT NULL DEFAULT 0,
  "KikenAka" NUMERIC NOT NULL DEFAULT 0,
  "KikenAo" NUMERIC NOT NULL DEFAULT 0,
  "ManualTimer" NUMERIC NOT NULL DEFAULT 1,
  "Modalidad" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "IpponAo" NUMERIC NOT NULL DEFAULT 0,
  "FullNameAo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DojoNameAo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PaisAo" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FullNameAka" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DojoNameAka" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PaisAka" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "WazaAriAo" NUMERIC NOT NULL DEFAULT 0,
  "YukoAo" NUMERIC NOT NULL DEFAULT 0,
  "SenshuAo" NUMERIC NOT NULL DEFAULT 0,
  "RestaPuntosAo" NUMERIC NOT NULL DEFAULT -1,
  "C1Ao" NUMERIC NOT NULL DEFAULT 0,
  "K1Ao" NUMERIC NOT NULL DEFAULT 0,
  "H1CAo" NUMERIC NOT NULL DEFAULT 0,
  "H1Ao" NUMERIC NOT NULL DEFAULT 0,
  "C2Ao" NUMERIC NOT NULL DEFAULT 0,
  "K2Ao" NUMERIC NOT NULL DEFAULT 0,
  "HC2Ao" NUMERIC NOT NULL DEFAULT 0,
  "H2Ao" NUMERIC NOT NULL DEFAULT 0,
  "IpponAka" NUMERIC NOT NULL DEFAULT 0,
  "WazaAriAka" NUMERIC NOT NULL DEFAULT 0,
  "YukoAka" NUMERIC NOT NULL DEFAULT 0,
  "SenshuAka" NUMERIC NOT NULL DEFAULT 0,
  "RestaPuntosAka" NUMERIC NOT NULL DEFAULT -1,
  "C1Aka" NUMERIC NOT NULL DEFAULT 0,
  "K1Aka" NUMERIC NOT NULL DEFAULT 0,
  "H1CAka" NUMERIC NOT NULL DEFAULT 0,
  "H1Aka" NUMERIC NOT NULL DEFAULT 0,
  "C2Aka" NUMERIC NOT NULL DEFAULT 0,
  "K2Aka" NUMERIC NOT NULL DEFAULT 0,
  "HC2Aka" NUMERIC NOT NULL DEFAULT 0,
  "H2Aka" NUMERIC NOT NULL DEFAULT 0,
  "Timer" TEXT COLLATE NOCASE NOT NULL DEFAULT '60',
  "KOTimer" INTEGER NOT NULL DEFAULT 0,
  "TimerMatch" NUMERIC NOT NULL DEFAULT 90,
  "WinnerKumiteBy" NUMERIC NOT NULL DEFAULT 8,
  "PuntoAo" NUMERIC NOT NULL DEFAULT 0,
  "PuntoAka" NUMERIC NOT NULL DEFAULT 0,
  "StopWatch" INTEGER NOT NULL DEFAULT 0,
  "StopWatchMI" NUMERIC NOT NULL DEFAULT 0,
  "ShikakuAkaMO" TEXT NOT NULL DEFAULT '',
  "ShikakuAoMO" TEXT NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "KeyIDCombate" ON "ScoreBoard" ("IDCombate" DESC);
CREATE INDEX "keyIDNumeroDeEventoKIndividual" ON "ScoreBoard" ("IDNumeroDeEventoKIndividual");
CREATE INDEX "SB:KeyIDNumeroDeEventoEquipo" ON "ScoreBoard" ("IDNumeroDeEventoEquipo");
CREATE INDEX "keyQueue" ON "ScoreBoard" ("Queue" COLLATE NOCASE);
CREATE INDEX "SB:keyFechaEvento" ON "ScoreBoard" ("FechaEvento");
CREATE INDEX "keyCodigoDeEvento" ON "ScoreBoard" ("CodigoDeEvento" COLLATE NOCASE);
CREATE INDEX "keyNombreDelEvento" ON "ScoreBoard" ("NombreDelEvento" COLLATE NOCASE);
CREATE INDEX "keyTatamiMatsNo" ON "ScoreBoard" ("TatamiMatsNo" COLLATE NOCASE);
CREATE INDEX "keyCategoria" ON "ScoreBoard" ("Categoria" COLLATE NOCASE);
CREATE INDEX "keyDivisiones" ON "ScoreBoard" ("Divicion" COLLATE NOCASE);
CREATE INDEX "keyModalidad" ON "ScoreBoard" ("Modalidad" COLLATE NOCASE);
COMMIT;

-- KataJuezCard1
.open KataJuezCard1.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KataJuezCard1'),
  ('signature', 'table KataJuezCard1 record 1661
field KJ1:IDCardJ1 Long 4 @0 depth 0
field KJ1:NumeroDeCompeticion Long 4 @4 depth 0
field KJ1:IDJUEZ1 Text 20 @8 depth 0
field KJ1:IDJUEZ2 Text 20 @28 depth 0
field KJ1:IDJUEZ3 Text 20 @48 depth 0
field KJ1:IDJUEZ4 Text 20 @68 depth 0
field KJ1:IDJUEZ5 Text 20 @88 depth 0
field KJ1:IDJUEZ6 Text 20 @108 depth 0
field KJ1:IDJUEZ7 Text 20 @128 depth 0
field KJ1:EVENTINFO Group 0 @148 depth 0
field KJ1:NOMBREDEEVENTO Text 50 @148 depth 1
field KJ1:CODIGOEVENTO Text 20 @198 depth 1
field KJ1:CATEGORIACODE Text 45 @218 depth 1
field KJ1:FECHADEEVENTO Date 4 @263 depth 1
field KJ1:TATAMIMATSNO Text 30 @267 depth 1
field KJ1:Queue Text 20 @297 depth 1
field KJ1:REGION Text 20 @317 depth 1
field KJ1:MUNICIPIO Text 50 @337 depth 1
field KJ1:MODALIDAD Text 45 @387 depth 1
field KJ1:DIVISION Text 45 @432 depth 1
field KJ1:JUEZ1 Group 0 @477 depth 0
field KJ1:COMPETIDOR1 Group 0 @477 depth 1
field KJ1:NOMBRECOMPETIDOR1 Text 20 @477 depth 2
field KJ1:APPELIDOCOMPETIDOR1 Text 20 @497 depth 2
field KJ1:COLORC1 Text 6 @517 depth 2
field KJ1:KATAC1 Text 20 @523 depth 2
field KJ1:PAISC1 Text 20 @543 depth 2
field KJ1:JUEZ1TC1 Decimal 3 5,2 @563 depth 2
field KJ1:JUEZ1AC1 Decimal 3 5,2 @566 depth 2
field KJ1:DOJONOMBRE1 Text 20 @569 depth 2
field KJ1:COMPETIDOR2 Group 0 @589 depth 1
field KJ1:NOMBRECOMPETIDOR2 Text 20 @589 depth 2
field KJ1:APPELIDOCOMPETIDOR2 Text 20 @609 depth 2
field KJ1:COLORC2 Text 6 @629 depth 2
field KJ1:KATAC2 Text 20 @635 depth 2
field KJ1:PAISC2 Text 20 @655 depth 2
field KJ1:JUEZ1TC2 Decimal 3 5,2 @675 depth 2
field KJ1:JUEZ1AC2 Decimal 3 5,2 @678 depth 2
field KJ1:DOJONOMBRE2 Text 20 @681 depth 2
field KJ1:COMPETIDOR3 Group 0 @701 depth 1
field KJ1:NOMBRECOMPETIDOR3 Text 20 @701 depth 2
field KJ1:APPELIDOCOMPETIDOR3 Text 20 @721 depth 2
field KJ1:COLORC3 Text 6 @741 depth 2
field KJ1:KATAC3 Text 20 @747 depth 2
field KJ1:PAISC3 Text 20 @767 depth 2
field KJ1:JUEZ1TC3 Decimal 3 5,2 @787 depth 2
field KJ1:JUEZ1AC3 Decimal 3 5,2 @790 depth 2
field KJ1:DOJONOMBRE3 Text 20 @793 depth 2
field KJ1:COMPETIDOR4 Group 0 @813 depth 1
field KJ1:NOMBRECOMPETIDOR4 Text 20 @813 depth 2
field KJ1:APPELIDOCOMPETIDOR4 Text 20 @833 depth 2
field KJ1:COLORC4 Text 6 @853 depth 2
field KJ1:KATAC4 Text 20 @859 depth 2
field KJ1:PAISC4 Text 20 @879 depth 2
field KJ1:JUEZ1TC4 Decimal 3 5,2 @899 depth 2
field KJ1:JUEZ1AC4 Decimal 3 5,2 @902 depth 2
field KJ1:DOJONOMBRE4 Text 20 @905 depth 2
field KJ1:COMPETIDOR5 Group 0 @925 depth 1
field KJ1:NOMBRECOMPETIDOR5 Text 20 @925 depth 2
field KJ1:APPELIDOCOMPETIDOR5 Text 20 @945 depth 2
field KJ1:COLORC5 Text 6 @965 depth 2
field KJ1:KATAC5 Text 20 @971 depth 2
field KJ1:PAISC5 Text 20 @991 depth 2
field KJ1:JUEZ1TC5 Decimal 3 5,2 @1011 depth 2
field KJ1:JUEZ1AC5 Decimal 3 5,2 @1014 depth 2
field KJ1:DOJONOMBRE5 Text 20 @1017 depth 2
field KJ1:COMPETIDOR6 Group 0 @1037 depth 1
field KJ1:NOMBRECOMPETIDOR6 Text 20 @1037 depth 2
field KJ1:APPELIDOCOMPETIDOR6 Text 20 @1057 depth 2
field KJ1:COLORC6 Text 6 @1077 depth 2
field KJ1:KATAC6 Text 20 @1083 depth 2
field KJ1:PAISC6 Text 20 @1103 depth 2
field KJ1:JUEZ1TC6 Decimal 3 5,2 @1123 depth 2
field KJ1:JUEZ1AC6 Decimal 3 5,2 @1126 depth 2
field KJ1:DOJONOMBRE6 Text 20 @1129 depth 2
field KJ1:COMPETIDOR7 Group 0 @1149 depth 1
field KJ1:NOMBRECOMPETIDOR7 Text 20 @1149 depth 2
field KJ1:APPELIDOCOMPETIDOR7 Text 20 @1169 depth 2
field KJ1:COLORC7 Text 6 @1189 depth 2
field KJ1:KATAC7 Text 20 @1195 depth 2
field KJ1:PAISC7 Text 20 @1215 depth 2
field KJ1:JUEZ1TC7 Decimal 3 5,2 @1235 depth 2
field KJ1:JUEZ1AC7 Decimal 3 5,2 @1238 depth 2
field KJ1:DOJONOMBRE7 Text 20 @1241 depth 2
field KJ1:COMPETIDOR8 Group 0 @1261 depth 1
field KJ1:NOMBRECOMPETIDOR8 Text 20 @1261 depth 2
field KJ1:APPELIDOCOMPETIDOR8 Text 20 @1281 depth 2
field KJ1:COLORC8 Text 6 @1301 depth 2
field KJ1:KATAC8 Text 20 @1307 depth 2
field KJ1:PAISC8 Text 20 @1327 depth 2
field KJ1:JUEZ1TC8 Decimal 3 5,2 @1347 depth 2
field KJ1:JUEZ1AC8 Decimal 3 5,2 @1350 depth 2
field KJ1:DOJONOMBRE8 Text 20 @1353 depth 2
field KJ1:JUEZ2 Group 0 @1373 depth 0
field KJ1:COMPETIDOR1_2 Group 0 @1373 depth 1
field KJ1:JUEZ2TC1 Decimal 3 5,2 @1373 depth 2
field KJ1:JUEZ2AC1 Decimal 3 5,2 @1376 depth 2
field KJ1:COMPETIDOR2_2 Group 0 @1379 depth 1
field KJ1:JUEZ2TC2 Decimal 3 5,2 @1379 depth 2
field KJ1:JUEZ2AC2 Decimal 3 5,2 @1382 depth 2
field KJ1:COMPETIDOR3_2 Group 0 @1385 depth 1
field KJ1:JUEZ2TC3 Decimal 3 5,2 @1385 depth 2
field KJ1:JUEZ2AC3 Decimal 3 5,2 @1388 depth 2
field KJ1:COMPETIDOR4_2 Group 0 @1391 depth 1
field KJ1:JUEZ2TC4 Decimal 3 5,2 @1391 depth 2
field KJ1:JUEZ2AC4 Decimal 3 5,2 @1394 depth 2
field KJ1:COMPETIDOR5_2 Group 0 @1397 depth 1
field KJ1:JUEZ2TC5 Decimal 3 5,2 @1397 depth 2
field KJ1:JUEZ2AC5 Decimal 3 5,2 @1400 depth 2
field KJ1:COMPETIDOR6_2 Group 0 @1403 depth 1
field KJ1:JUEZ2TC6 Decimal 3 5,2 @1403 depth 2
field KJ1:JUEZ2AC6 Decimal 3 5,2 @1406 depth 2
field KJ1:COMPETIDOR7_2 Group 0 @1409 depth 1
field KJ1:JUEZ2TC7 Decimal 3 5,2 @1409 depth 2
field KJ1:JUEZ2AC7 Decimal 3 5,2 @1412 depth 2
field KJ1:COMPETIDOR8_2 Group 0 @1415 depth 1
field KJ1:JUEZ2TC8 Decimal 3 5,2 @1415 depth 2
field KJ1:JUEZ2AC8 Decimal 3 5,2 @1418 depth 2
field KJ1:JUEZ3 Group 0 @1421 depth 0
field KJ1:COMPETIDOR1_3 Group 0 @1421 depth 1
field KJ1:JUEZ3TC1 Decimal 3 5,2 @1421 depth 2
field KJ1:JUEZ3AC1 Decimal 3 5,2 @1424 depth 2
field KJ1:COMPETIDOR2_3 Group 0 @1427 depth 1
field KJ1:JUEZ3TC2 Decimal 3 5,2 @1427 depth 2
field KJ1:JUEZ3AC2 Decimal 3 5,2 @1430 depth 2
field KJ1:COMPETIDOR3_3 Group 0 @1433 depth 1
field KJ1:JUEZ3TC3 Decimal 3 5,2 @1433 depth 2
field KJ1:JUEZ3AC3 Decimal 3 5,2 @1436 depth 2
field KJ1:COMPETIDOR4_3 Group 0 @1439 depth 1
field KJ1:JUEZ3TC4 Decimal 3 5,2 @1439 depth 2
field KJ1:JUEZ3AC4 Decimal 3 5,2 @1442 depth 2
field KJ1:COMPETIDOR5_3 Group 0 @1445 depth 1
field KJ1:JUEZ3TC5 Decimal 3 5,2 @1445 depth 2
field KJ1:JUEZ3AC5 Decimal 3 5,2 @1448 depth 2
field KJ1:COMPETIDOR6_3 Group 0 @1451 depth 1
field KJ1:JUEZ3TC6 Decimal 3 5,2 @1451 depth 2
field KJ1:JUEZ3AC6 Decimal 3 5,2 @1454 depth 2
field KJ1:COMPETIDOR7_3 Group 0 @1457 depth 1
field KJ1:JUEZ3TC7 Decimal 3 5,2 @1457 depth 2
field KJ1:JUEZ3AC7 Decimal 3 5,2 @1460 depth 2
field KJ1:COMPETIDOR8_3 Group 0 @1463 depth 1
field KJ1:JUEZ3TC8 Decimal 3 5,2 @1463 depth 2
field KJ1:JUEZ3AC8 Decimal 3 5,2 @1466 depth 2
field KJ1:JUEZ4 Group 0 @1469 depth 0
field KJ1:COMPETIDOR1_4 Group 0 @1469 depth 1
field KJ1:JUEZ4TC1 Decimal 3 5,2 @1469 depth 2
field KJ1:JUEZ4AC1 Decimal 3 5,2 @1472 depth 2
field KJ1:COMPETIDOR2_4 Group 0 @1475 depth 1
field KJ1:JUEZ4TC2 Decimal 3 5,2 @1475 depth 2
field KJ1:JUEZ4AC2 Decimal 3 5,2 @1478 depth 2
field KJ1:COMPETIDOR3_4 Group 0 @1481 depth 1
field KJ1:JUEZ4TC3 Decimal 3 5,2 @1481 depth 2
field KJ1:JUEZ4AC3 Decimal 3 5,2 @1484 depth 2
field KJ1:COMPETIDOR4_4 Group 0 @1487 depth 1
field KJ1:JUEZ4TC4 Decimal 3 5,2 @1487 depth 2
field KJ1:JUEZ4AC4 Decimal 3 5,2 @1490 depth 2
field KJ1:COMPETIDOR5_4 Group 0 @1493 depth 1
field KJ1:JUEZ4TC5 Decimal 3 5,2 @1493 depth 2
field KJ1:JUEZ4AC5 Decimal 3 5,2 @1496 depth 2
field KJ1:COMPETIDOR6_4 Group 0 @1499 depth 1
field KJ1:JUEZ4TC6 Decimal 3 5,2 @1499 depth 2
field KJ1:JUEZ4AC6 Decimal 3 5,2 @1502 depth 2
field KJ1:COMPETIDOR7_4 Group 0 @1505 depth 1
field KJ1:JUEZ4TC7 Decimal 3 5,2 @1505 depth 2
field KJ1:JUEZ4AC7 Decimal 3 5,2 @1508 depth 2
field KJ1:COMPETIDOR8_4 Group 0 @1511 depth 1
field KJ1:JUEZ4TC8 Decimal 3 5,2 @1511 depth 2
field KJ1:JUEZ4AC8 Decimal 3 5,2 @1514 depth 2
field KJ1:JUEZ5 Group 0 @1517 depth 0
field KJ1:COMPETIDOR1_5 Group 0 @1517 depth 1
field KJ1:JUEZ5TC1 Decimal 3 5,2 @1517 depth 2
field KJ1:JUEZ5AC1 Decimal 3 5,2 @1520 depth 2
field KJ1:COMPETIDOR2_5 Group 0 @1523 depth 1
field KJ1:JUEZ5TC2 Decimal 3 5,2 @1523 depth 2
field KJ1:JUEZ5AC2 Decimal 3 5,2 @1526 depth 2
field KJ1:COMPETIDOR3_5 Group 0 @1529 depth 1
field KJ1:JUEZ5TC3 Decimal 3 5,2 @1529 depth 2
field KJ1:JUEZ5AC3 Decimal 3 5,2 @1532 depth 2
field KJ1:COMPETIDOR4_5 Group 0 @1535 depth 1
field KJ1:JUEZ5TC4 Decimal 3 5,2 @1535 depth 2
field KJ1:JUEZ5AC4 Decimal 3 5,2 @1538 depth 2
field KJ1:COMPETIDOR5_5 Group 0 @1541 depth 1
field KJ1:JUEZ5TC5 Decimal 3 5,2 @1541 depth 2
field KJ1:JUEZ5AC5 Decimal 3 5,2 @1544 depth 2
field KJ1:COMPETIDOR6_5 Group 0 @1547 depth 1
field KJ1:JUEZ5TC6 Decimal 3 5,2 @1547 depth 2
field KJ1:JUEZ5AC6 Decimal 3 5,2 @1550 depth 2
field KJ1:COMPETIDOR7_5 Group 0 @1553 depth 1
field KJ1:JUEZ5TC7 Decimal 3 5,2 @1553 depth 2
field KJ1:JUEZ5AC7 Decimal 3 5,2 @1556 depth 2
field KJ1:COMPETIDOR8_5 Group 0 @1559 depth 1
field KJ1:JUEZ5TC8 Decimal 3 5,2 @1559 depth 2
field KJ1:JUEZ5AC8 Decimal 3 5,2 @1562 depth 2
field KJ1:JUEZ6 Group 0 @1565 depth 0
field KJ1:COMPETIDOR1_6 Group 0 @1565 depth 1
field KJ1:JUEZ6TC1 Decimal 3 5,2 @1565 depth 2
field KJ1:JUEZ6AC1 Decimal 3 5,2 @1568 depth 2
field KJ1:COMPETIDOR2_6 Group 0 @1571 depth 1
field KJ1:JUEZ6TC2 Decimal 3 5,2 @1571 depth 2
field KJ1:JUEZ6AC2 Decimal 3 5,2 @1574 depth 2
field KJ1:COMPETIDOR3_6 Group 0 @1577 depth 1
field KJ1:JUEZ6TC3 Decimal 3 5,2 @1577 depth 2
field KJ1:JUEZ6AC3 Decimal 3 5,2 @1580 depth 2
field KJ1:COMPETIDOR4_6 Group 0 @1583 depth 1
field KJ1:JUEZ6AC4 Decimal 3 5,2 @1583 depth 2
field KJ1:JUEZ6TC4 Decimal 3 5,2 @1586 depth 2
field KJ1:COMPETIDOR5_6 Group 0 @1589 depth 1
field KJ1:JUEZ6AC5 Decimal 3 5,2 @1589 depth 2
field KJ1:JUEZ6TC5 Decimal 3 5,2 @1592 depth 2
field KJ1:COMPETIDOR6_6 Group 0 @1595 depth 1
field KJ1:JUEZ6TC6 Decimal 3 5,2 @1595 depth 2
field KJ1:JUEZ6AC6 Decimal 3 5,2 @1598 depth 2
field KJ1:COMPETIDOR7_6 Group 0 @1601 depth 1
field KJ1:JUEZ6TC7 Decimal 3 5,2 @1601 depth 2
field KJ1:JUEZ6AC7 Decimal 3 5,2 @1604 depth 2
field KJ1:COMPETIDOR8_6 Group 0 @1607 depth 1
field KJ1:JUEZ6TC8 Decimal 3 5,2 @1607 depth 2
field KJ1:JUEZ6AC8 Decimal 3 5,2 @1610 depth 2
field KJ1:JUEZ7 Group 0 @1613 depth 0
field KJ1:COMPETIDOR1_7 Group 0 @1613 depth 1
field KJ1:JUEZ7TC1 Decimal 3 5,2 @1613 depth 2
field KJ1:JUEZ7AC1 Decimal 3 5,2 @1616 depth 2
field KJ1:COMPETIDOR2_7 Group 0 @1619 depth 1
field KJ1:JUEZ7TC2 Decimal 3 5,2 @1619 depth 2
field KJ1:JUEZ7AC2 Decimal 3 5,2 @1622 depth 2
field KJ1:COMPETIDOR3_7 Group 0 @1625 depth 1
field KJ1:JUEZ7TC3 Decimal 3 5,2 @1625 depth 2
field KJ1:JUEZ7AC3 Decimal 3 5,2 @1628 depth 2
field KJ1:COMPETIDOR4_7 Group 0 @1631 depth 1
field KJ1:JUEZ7TC4 Decimal 3 5,2 @1631 depth 2
field KJ1:JUEZ7AC4 Decimal 3 5,2 @1634 depth 2
field KJ1:COMPETIDOR5_7 Group 0 @1637 depth 1
field KJ1:JUEZ7TC5 Decimal 3 5,2 @1637 depth 2
field KJ1:JUEZ7AC5 Decimal 3 5,2 @1640 depth 2
field KJ1:COMPETIDOR6_7 Group 0 @1643 depth 1
field KJ1:JUEZ7TC6 Decimal 3 5,2 @1643 depth 2
field KJ1:JUEZ7AC6 Decimal 3 5,2 @1646 depth 2
field KJ1:COMPETIDOR7_7 Group 0 @1649 depth 1
field KJ1:JUEZ7TC7 Decimal 3 5,2 @1649 depth 2
field KJ1:JUEZ7AC7 Decimal 3 5,2 @1652 depth 2
field KJ1:COMPETIDOR8_7 Group 0 @1655 depth 1
field KJ1:JUEZ7TC8 Decimal 3 5,2 @1655 depth 2
field KJ1:JUEZ7AC8 Decimal 3 5,2 @1658 depth 2
');
CREATE TABLE "KataJuezCard1" (
  "IDCardJ1" INTEGER NOT NULL DEFAULT 0,
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "IDJUEZ1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "IDJUEZ2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "IDJUEZ3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "IDJUEZ4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "IDJUEZ5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "IDJUEZ6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "IDJUEZ7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBREDEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CODIGOEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIACODE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHADEEVENTO" TEXT NOT NULL DEFAULT '',
  "TATAMIMATSNO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "REGION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVISION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC1" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC2" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC3" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC4" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC5" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC6" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC7" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ1TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ1AC8" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ2TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC8" NUMERIC NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX "KJ1:KeyIDCardJ1" ON "KataJuezCard1" ("IDCardJ1" DESC);
CREATE INDEX "KJ1:KeyNumeroDeCompeticionJ1" ON "KataJuezCard1" ("NumeroDeCompeticion");
CREATE INDEX "KJ1:KeyFechaDeEvento" ON "KataJuezCard1" ("FECHADEEVENTO");
CREATE INDEX "KJ1:KeyCodigoDeEvento" ON "KataJuezCard1" ("CODIGOEVENTO" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCategoriaCode" ON "KataJuezCard1" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyQueue" ON "KataJuezCard1" ("Queue" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyTatamiMatsNo" ON "KataJuezCard1" ("TATAMIMATSNO" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyModalidad" ON "KataJuezCard1" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "KJ1:KEYDivisionCode" ON "KataJuezCard1" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCompetidor1" ON "KataJuezCard1" ("NOMBRECOMPETIDOR1" COLLATE NOCASE, "APPELIDOCOMPETIDOR1" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCompetidor2" ON "KataJuezCard1" ("NOMBRECOMPETIDOR2" COLLATE NOCASE, "APPELIDOCOMPETIDOR2" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCompetidor3" ON "KataJuezCard1" ("NOMBRECOMPETIDOR3" COLLATE NOCASE, "APPELIDOCOMPETIDOR3" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCompetidor4" ON "KataJuezCard1" ("NOMBRECOMPETIDOR4" COLLATE NOCASE, "APPELIDOCOMPETIDOR4" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCompetidor5" ON "KataJuezCard1" ("NOMBRECOMPETIDOR5" COLLATE NOCASE, "APPELIDOCOMPETIDOR5" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCompetidor6" ON "KataJuezCard1" ("NOMBRECOMPETIDOR6" COLLATE NOCASE, "APPELIDOCOMPETIDOR6" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCompetidor7" ON "KataJuezCard1" ("NOMBRECOMPETIDOR7" COLLATE NOCASE, "APPELIDOCOMPETIDOR7" COLLATE NOCASE);
CREATE INDEX "KJ1:KeyCompetidor8" ON "KataJuezCard1" ("NOMBRECOMPETIDOR8" COLLATE NOCASE, "APPELIDOCOMPETIDOR8" COLLATE NOCASE);
COMMIT;

-- KataJuezCard2
.open KataJuezCard2.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KataJuezCard2'),
  ('signature', 'table KataJuezCard2 record 1236
field KJ2:IDCardJ2 Long 4 @0 depth 0
field KJ2:NumeroDeCompeticion Long 4 @4 depth 0
field KJ2:EVENTINFO Group 0 @8 depth 0
field KJ2:NOMBREDEEVENTO Text 50 @8 depth 1
field KJ2:CODIGOEVENTO Text 20 @58 depth 1
field KJ2:FECHADEEVENTO Date 4 @78 depth 1
field KJ2:TATAMIMATSNO Text 30 @82 depth 1
field KJ2:Queue Text 20 @112 depth 1
field KJ2:REGION Text 20 @132 depth 1
field KJ2:MUNICIPIO Text 50 @152 depth 1
field KJ2:MODALIDAD Text 45 @202 depth 1
field KJ2:DIVISION Text 45 @247 depth 1
field KJ2:CATEGORIACODE Text 45 @292 depth 1
field KJ2:COMPETIDOR1 Group 0 @337 depth 0
field KJ2:NOMBRECOMPETIDOR1 Text 20 @337 depth 1
field KJ2:APPELIDOCOMPETIDOR1 Text 20 @357 depth 1
field KJ2:COLORC1 Text 6 @377 depth 1
field KJ2:KATAC1 Text 20 @383 depth 1
field KJ2:PAISC1 Text 20 @403 depth 1
field KJ2:RESULTADOC2 Decimal 3 5,2 @423 depth 1
field KJ2:JUEZ2TC1 Decimal 3 5,2 @426 depth 1
field KJ2:JUEZ2AC1 Decimal 3 5,2 @429 depth 1
field KJ2:DOJONOMBRE1 Text 20 @432 depth 1
field KJ2:COMPETIDOR2 Group 0 @452 depth 0
field KJ2:NOMBRECOMPETIDOR2 Text 20 @452 depth 1
field KJ2:APPELIDOCOMPETIDOR2 Text 20 @472 depth 1
field KJ2:COLORC2 Text 6 @492 depth 1
field KJ2:KATAC2 Text 20 @498 depth 1
field KJ2:PAISC2 Text 20 @518 depth 1
field KJ2:JUEZ2TC2 Decimal 3 5,2 @538 depth 1
field KJ2:JUEZ2AC2 Decimal 3 5,2 @541 depth 1
field KJ2:DOJONOMBRE2 Text 20 @544 depth 1
field KJ2:COMPETIDOR3 Group 0 @564 depth 0
field KJ2:NOMBRECOMPETIDOR3 Text 20 @564 depth 1
field KJ2:APPELIDOCOMPETIDOR3 Text 20 @584 depth 1
field KJ2:COLORC3 Text 6 @604 depth 1
field KJ2:KATAC3 Text 20 @610 depth 1
field KJ2:PAISC3 Text 20 @630 depth 1
field KJ2:JUEZ2TC3 Decimal 3 5,2 @650 depth 1
field KJ2:JUEZ2AC3 Decimal 3 5,2 @653 depth 1
field KJ2:DOJONOMBRE3 Text 20 @656 depth 1
field KJ2:COMPETIDOR4 Group 0 @676 depth 0
field KJ2:NOMBRECOMPETIDOR4 Text 20 @676 depth 1
field KJ2:APPELIDOCOMPETIDOR4 Text 20 @696 depth 1
field KJ2:COLORC4 Text 6 @716 depth 1
field KJ2:KATAC4 Text 20 @722 depth 1
field KJ2:PAISC4 Text 20 @742 depth 1
field KJ2:JUEZ2TC4 Decimal 3 5,2 @762 depth 1
field KJ2:JUEZ2AC4 Decimal 3 5,2 @765 depth 1
field KJ2:DOJONOMBRE4 Text 20 @768 depth 1
field KJ2:COMPETIDOR5 Group 0 @788 depth 0
field KJ2:NOMBRECOMPETIDOR5 Text 20 @788 depth 1
field KJ2:APPELIDOCOMPETIDOR5 Text 20 @808 depth 1
field KJ2:COLORC5 Text 6 @828 depth 1
field KJ2:KATAC5 Text 20 @834 depth 1
field KJ2:PAISC5 Text 20 @854 depth 1
field KJ2:JUEZ2TC5 Decimal 3 5,2 @874 depth 1
field KJ2:JUEZ2AC5 Decimal 3 5,2 @877 depth 1
field KJ2:DOJONOMBRE5 Text 20 @880 depth 1
field KJ2:COMPETIDOR6 Group 0 @900 depth 0
field KJ2:NOMBRECOMPETIDOR6 Text 20 @900 depth 1
field KJ2:APPELIDOCOMPETIDOR6 Text 20 @920 depth 1
field KJ2:COLORC6 Text 6 @940 depth 1
field KJ2:KATAC6 Text 20 @946 depth 1
field KJ2:PAISC6 Text 20 @966 depth 1
field KJ2:JUEZ2TC6 Decimal 3 5,2 @986 depth 1
field KJ2:JUEZ2AC6 Decimal 3 5,2 @989 depth 1
field KJ2:DOJONOMBRE6 Text 20 @992 depth 1
field KJ2:COMPETIDOR7 Group 0 @1012 depth 0
field KJ2:NOMBRECOMPETIDOR7 Text 20 @1012 depth 1
field KJ2:APPELIDOCOMPETIDOR7 Text 20 @1032 depth 1
field KJ2:COLORC7 Text 6 @1052 depth 1
field KJ2:KATAC7 Text 20 @1058 depth 1
field KJ2:PAISC7 Text 20 @1078 depth 1
field KJ2:JUEZ2TC7 Decimal 3 5,2 @1098 depth 1
field KJ2:JUEZ2AC7 Decimal 3 5,2 @1101 depth 1
field KJ2:DOJONOMBRE7 Text 20 @1104 depth 1
field KJ2:COMPETIDOR8 Group 0 @1124 depth 0
field KJ2:NOMBRECOMPETIDOR8 Text 20 @1124 depth 1
field KJ2:APPELIDOCOMPETIDOR8 Text 20 @1144 depth 1
field KJ2:COLORC8 Text 6 @1164 depth 1
field KJ2:KATAC8 Text 20 @1170 depth 1
field KJ2:PAISC8 Text 20 @1190 depth 1
field KJ2:JUEZ2TC8 Decimal 3 5,2 @1210 depth 1
field KJ2:JUEZ2AC8 Decimal 3 5,2 @1213 depth 1
field KJ2:DOJONOMBRE8 Text 20 @1216 depth 1
');
CREATE TABLE "KataJuezCard2" (
  "IDCardJ2" INTEGER NOT NULL DEFAULT 0,
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "NOMBREDEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CODIGOEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHADEEVENTO" TEXT NOT NULL DEFAULT '',
  "TATAMIMATSNO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "REGION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVISION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIACODE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "RESULTADOC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC1" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ2TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC2" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ2TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC3" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ2TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC4" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ2TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC5" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ2TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC6" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ2TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC7" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ2TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ2AC8" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE8" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "KJ2:KeyIDCardJ2" ON "KataJuezCard2" ("IDCardJ2" DESC);
CREATE INDEX "KJ2:KeyCodigoDeEvento" ON "KataJuezCard2" ("CODIGOEVENTO" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyNumeroDeCompeticionJ2" ON "KataJuezCard2" ("NumeroDeCompeticion");
CREATE INDEX "KJ2:KeyCategoriaCode" ON "KataJuezCard2" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyQueue" ON "KataJuezCard2" ("Queue" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyTatamiMatsNo" ON "KataJuezCard2" ("TATAMIMATSNO" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyModalidad" ON "KataJuezCard2" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyFechaDeEvento" ON "KataJuezCard2" ("FECHADEEVENTO");
CREATE INDEX "KJ2:KEYDivicionCode" ON "KataJuezCard2" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyPuntuacionC2" ON "KataJuezCard2" ("RESULTADOC2");
CREATE INDEX "KJ2:KeyCompetidor1" ON "KataJuezCard2" ("NOMBRECOMPETIDOR1" COLLATE NOCASE, "APPELIDOCOMPETIDOR1" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyCompetidor2" ON "KataJuezCard2" ("NOMBRECOMPETIDOR2" COLLATE NOCASE, "APPELIDOCOMPETIDOR2" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyCompetidor3" ON "KataJuezCard2" ("NOMBRECOMPETIDOR3" COLLATE NOCASE, "APPELIDOCOMPETIDOR3" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyCompetidor4" ON "KataJuezCard2" ("NOMBRECOMPETIDOR4" COLLATE NOCASE, "APPELIDOCOMPETIDOR4" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyCompetidor5" ON "KataJuezCard2" ("NOMBRECOMPETIDOR5" COLLATE NOCASE, "APPELIDOCOMPETIDOR5" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyCompetidor6" ON "KataJuezCard2" ("NOMBRECOMPETIDOR6" COLLATE NOCASE, "APPELIDOCOMPETIDOR6" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyCompetidor7" ON "KataJuezCard2" ("NOMBRECOMPETIDOR7" COLLATE NOCASE, "APPELIDOCOMPETIDOR7" COLLATE NOCASE);
CREATE INDEX "KJ2:KeyCompetidor8" ON "KataJuezCard2" ("NOMBRECOMPETIDOR8" COLLATE NOCASE, "APPELIDOCOMPETIDOR8" COLLATE NOCASE);
COMMIT;

-- KataJuezCard3
.open KataJuezCard3.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KataJuezCard3'),
  ('signature', 'table KataJuezCard3 record 1233
field KJ3:IDCardJ3 Long 4 @0 depth 0
field KJ3:NumeroDeCompeticion Long 4 @4 depth 0
field KJ3:EVENTINFO Group 0 @8 depth 0
field KJ3:NOMBREDEEVENTO Text 50 @8 depth 1
field KJ3:CODIGOEVENTO Text 20 @58 depth 1
field KJ3:FECHADEEVENTO Date 4 @78 depth 1
field KJ3:TATAMIMATSNO Text 30 @82 depth 1
field KJ3:Queue Text 20 @112 depth 1
field KJ3:REGION Text 20 @132 depth 1
field KJ3:MUNICIPIO Text 50 @152 depth 1
field KJ3:MODALIDAD Text 45 @202 depth 1
field KJ3:DIVISION Text 45 @247 depth 1
field KJ3:CATEGORIACODE Text 45 @292 depth 1
field KJ3:COMPETIDOR1 Group 0 @337 depth 0
field KJ3:NOMBRECOMPETIDOR1 Text 20 @337 depth 1
field KJ3:APPELIDOCOMPETIDOR1 Text 20 @357 depth 1
field KJ3:COLORC1 Text 6 @377 depth 1
field KJ3:KATAC1 Text 20 @383 depth 1
field KJ3:PAISC1 Text 20 @403 depth 1
field KJ3:JUEZ3TC1 Decimal 3 5,2 @423 depth 1
field KJ3:JUEZ3AC1 Decimal 3 5,2 @426 depth 1
field KJ3:DOJONOMBRE1 Text 20 @429 depth 1
field KJ3:COMPETIDOR2 Group 0 @449 depth 0
field KJ3:NOMBRECOMPETIDOR2 Text 20 @449 depth 1
field KJ3:APPELIDOCOMPETIDOR2 Text 20 @469 depth 1
field KJ3:COLORC2 Text 6 @489 depth 1
field KJ3:KATAC2 Text 20 @495 depth 1
field KJ3:PAISC2 Text 20 @515 depth 1
field KJ3:JUEZ3TC2 Decimal 3 5,2 @535 depth 1
field KJ3:JUEZ3AC2 Decimal 3 5,2 @538 depth 1
field KJ3:DOJONOMBRE2 Text 20 @541 depth 1
field KJ3:COMPETIDOR3 Group 0 @561 depth 0
field KJ3:NOMBRECOMPETIDOR3 Text 20 @561 depth 1
field KJ3:APPELIDOCOMPETIDOR3 Text 20 @581 depth 1
field KJ3:COLORC3 Text 6 @601 depth 1
field KJ3:KATAC3 Text 20 @607 depth 1
field KJ3:PAISC3 Text 20 @627 depth 1
field KJ3:JUEZ3TC3 Decimal 3 5,2 @647 depth 1
field KJ3:JUEZ3AC3 Decimal 3 5,2 @650 depth 1
field KJ3:DOJONOMBRE3 Text 20 @653 depth 1
field KJ3:COMPETIDOR4 Group 0 @673 depth 0
field KJ3:NOMBRECOMPETIDOR4 Text 20 @673 depth 1
field KJ3:APPELIDOCOMPETIDOR4 Text 20 @693 depth 1
field KJ3:COLORC4 Text 6 @713 depth 1
field KJ3:KATAC4 Text 20 @719 depth 1
field KJ3:PAISC4 Text 20 @739 depth 1
field KJ3:JUEZ3TC4 Decimal 3 5,2 @759 depth 1
field KJ3:JUEZ3AC4 Decimal 3 5,2 @762 depth 1
field KJ3:DOJONOMBRE4 Text 20 @765 depth 1
field KJ3:COMPETIDOR5 Group 0 @785 depth 0
field KJ3:NOMBRECOMPETIDOR5 Text 20 @785 depth 1
field KJ3:APPELIDOCOMPETIDOR5 Text 20 @805 depth 1
field KJ3:COLORC5 Text 6 @825 depth 1
field KJ3:KATAC5 Text 20 @831 depth 1
field KJ3:PAISC5 Text 20 @851 depth 1
field KJ3:JUEZ3TC5 Decimal 3 5,2 @871 depth 1
field KJ3:JUEZ3AC5 Decimal 3 5,2 @874 depth 1
field KJ3:DOJONOMBRE5 Text 20 @877 depth 1
field KJ3:COMPETIDOR6 Group 0 @897 depth 0
field KJ3:NOMBRECOMPETIDOR6 Text 20 @897 depth 1
field KJ3:APPELIDOCOMPETIDOR6 Text 20 @917 depth 1
field KJ3:COLORC6 Text 6 @937 depth 1
field KJ3:KATAC6 Text 20 @943 depth 1
field KJ3:PAISC6 Text 20 @963 depth 1
field KJ3:JUEZ3TC6 Decimal 3 5,2 @983 depth 1
field KJ3:JUEZ3AC6 Decimal 3 5,2 @986 depth 1
field KJ3:DOJONOMBRE6 Text 20 @989 depth 1
field KJ3:COMPETIDOR7 Group 0 @1009 depth 0
field KJ3:NOMBRECOMPETIDOR7 Text 20 @1009 depth 1
field KJ3:APPELIDOCOMPETIDOR7 Text 20 @1029 depth 1
field KJ3:COLORC7 Text 6 @1049 depth 1
field KJ3:KATAC7 Text 20 @1055 depth 1
field KJ3:PAISC7 Text 20 @1075 depth 1
field KJ3:JUEZ3TC7 Decimal 3 5,2 @1095 depth 1
field KJ3:JUEZ3AC7 Decimal 3 5,2 @1098 depth 1
field KJ3:DOJONOMBRE7 Text 20 @1101 depth 1
field KJ3:COMPETIDOR8 Group 0 @1121 depth 0
field KJ3:NOMBRECOMPETIDOR8 Text 20 @1121 depth 1
field KJ3:APPELIDOCOMPETIDOR8 Text 20 @1141 depth 1
field KJ3:COLORC8 Text 6 @1161 depth 1
field KJ3:KATAC8 Text 20 @1167 depth 1
field KJ3:PAISC8 Text 20 @1187 depth 1
field KJ3:JUEZ3TC8 Decimal 3 5,2 @1207 depth 1
field KJ3:JUEZ3AC8 Decimal 3 5,2 @1210 depth 1
field KJ3:DOJONOMBRE8 Text 20 @1213 depth 1
');
CREATE TABLE "KataJuezCard3" (
  "IDCardJ3" INTEGER NOT NULL DEFAULT 0,
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "NOMBREDEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CODIGOEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHADEEVENTO" TEXT NOT NULL DEFAULT '',
  "TATAMIMATSNO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "REGION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVISION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIACODE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ3TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC1" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ3TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC2" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ3TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC3" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ3TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC4" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ3TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC5" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ3TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC6" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ3TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC7" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ3TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ3AC8" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE8" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "KJ3:KeyIDCardJ3" ON "KataJuezCard3" ("IDCardJ3" DESC);
CREATE INDEX "KJ3:KeyNumeroDeCompeticionJ3" ON "KataJuezCard3" ("NumeroDeCompeticion");
CREATE INDEX "KJ3:KeyCodigoDeEvento" ON "KataJuezCard3" ("CODIGOEVENTO" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCategoriaCode" ON "KataJuezCard3" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyQueue" ON "KataJuezCard3" ("Queue" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyTatamiMatsNo" ON "KataJuezCard3" ("TATAMIMATSNO" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyModalidad" ON "KataJuezCard3" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyFechaDeEvento" ON "KataJuezCard3" ("FECHADEEVENTO");
CREATE INDEX "KJ3:KEYDivicionCode" ON "KataJuezCard3" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCompetidor1" ON "KataJuezCard3" ("NOMBRECOMPETIDOR1" COLLATE NOCASE, "APPELIDOCOMPETIDOR1" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCompetidor2" ON "KataJuezCard3" ("NOMBRECOMPETIDOR2" COLLATE NOCASE, "APPELIDOCOMPETIDOR2" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCompetidor3" ON "KataJuezCard3" ("NOMBRECOMPETIDOR3" COLLATE NOCASE, "APPELIDOCOMPETIDOR3" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCompetidor4" ON "KataJuezCard3" ("NOMBRECOMPETIDOR4" COLLATE NOCASE, "APPELIDOCOMPETIDOR4" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCompetidor5" ON "KataJuezCard3" ("NOMBRECOMPETIDOR5" COLLATE NOCASE, "APPELIDOCOMPETIDOR5" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCompetidor6" ON "KataJuezCard3" ("NOMBRECOMPETIDOR6" COLLATE NOCASE, "APPELIDOCOMPETIDOR6" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCompetidor7" ON "KataJuezCard3" ("NOMBRECOMPETIDOR7" COLLATE NOCASE, "APPELIDOCOMPETIDOR7" COLLATE NOCASE);
CREATE INDEX "KJ3:KeyCompetidor8" ON "KataJuezCard3" ("NOMBRECOMPETIDOR8" COLLATE NOCASE, "APPELIDOCOMPETIDOR8" COLLATE NOCASE);
COMMIT;

-- KataJuezCard4
.open KataJuezCard4.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KataJuezCard4'),
  ('signature', 'table KataJuezCard4 record 1233
field KJ4:IDCardJ4 Long 4 @0 depth 0
field KJ4:NumeroDeCompeticion Long 4 @4 depth 0
field KJ4:EVENTINFO Group 0 @8 depth 0
field KJ4:NOMBREDEEVENTO Text 50 @8 depth 1
field KJ4:CODIGOEVENTO Text 20 @58 depth 1
field KJ4:FECHADEEVENTO Date 4 @78 depth 1
field KJ4:TATAMIMATSNO Text 30 @82 depth 1
field KJ4:Queue Text 20 @112 depth 1
field KJ4:REGION Text 20 @132 depth 1
field KJ4:MUNICIPIO Text 50 @152 depth 1
field KJ4:MODALIDAD Text 45 @202 depth 1
field KJ4:DIVISION Text 45 @247 depth 1
field KJ4:CATEGORIACODE Text 45 @292 depth 1
field KJ4:COMPETIDOR1 Group 0 @337 depth 0
field KJ4:NOMBRECOMPETIDOR1 Text 20 @337 depth 1
field KJ4:APPELIDOCOMPETIDOR1 Text 20 @357 depth 1
field KJ4:COLORC1 Text 6 @377 depth 1
field KJ4:KATAC1 Text 20 @383 depth 1
field KJ4:PAISC1 Text 20 @403 depth 1
field KJ4:JUEZ4TC1 Decimal 3 5,2 @423 depth 1
field KJ4:JUEZ4AC1 Decimal 3 5,2 @426 depth 1
field KJ4:DOJONOMBRE1 Text 20 @429 depth 1
field KJ4:COMPETIDOR2 Group 0 @449 depth 0
field KJ4:NOMBRECOMPETIDOR2 Text 20 @449 depth 1
field KJ4:APPELIDOCOMPETIDOR2 Text 20 @469 depth 1
field KJ4:COLORC2 Text 6 @489 depth 1
field KJ4:KATAC2 Text 20 @495 depth 1
field KJ4:PAISC2 Text 20 @515 depth 1
field KJ4:JUEZ4TC2 Decimal 3 5,2 @535 depth 1
field KJ4:JUEZ4AC2 Decimal 3 5,2 @538 depth 1
field KJ4:DOJONOMBRE2 Text 20 @541 depth 1
field KJ4:COMPETIDOR3 Group 0 @561 depth 0
field KJ4:NOMBRECOMPETIDOR3 Text 20 @561 depth 1
field KJ4:APPELIDOCOMPETIDOR3 Text 20 @581 depth 1
field KJ4:COLORC3 Text 6 @601 depth 1
field KJ4:KATAC3 Text 20 @607 depth 1
field KJ4:PAISC3 Text 20 @627 depth 1
field KJ4:JUEZ4TC3 Decimal 3 5,2 @647 depth 1
field KJ4:JUEZ4AC3 Decimal 3 5,2 @650 depth 1
field KJ4:DOJONOMBRE3 Text 20 @653 depth 1
field KJ4:COMPETIDOR4 Group 0 @673 depth 0
field KJ4:NOMBRECOMPETIDOR4 Text 20 @673 depth 1
field KJ4:APPELIDOCOMPETIDOR4 Text 20 @693 depth 1
field KJ4:COLORC4 Text 6 @713 depth 1
field KJ4:KATAC4 Text 20 @719 depth 1
field KJ4:PAISC4 Text 20 @739 depth 1
field KJ4:JUEZ4TC4 Decimal 3 5,2 @759 depth 1
field KJ4:JUEZ4AC4 Decimal 3 5,2 @762 depth 1
field KJ4:DOJONOMBRE4 Text 20 @765 depth 1
field KJ4:COMPETIDOR5 Group 0 @785 depth 0
field KJ4:NOMBRECOMPETIDOR5 Text 20 @785 depth 1
field KJ4:APPELIDOCOMPETIDOR5 Text 20 @805 depth 1
field KJ4:COLORC5 Text 6 @825 depth 1
field KJ4:KATAC5 Text 20 @831 depth 1
field KJ4:PAISC5 Text 20 @851 depth 1
field KJ4:JUEZ4TC5 Decimal 3 5,2 @871 depth 1
field KJ4:JUEZ4AC5 Decimal 3 5,2 @874 depth 1
field KJ4:DOJONOMBRE5 Text 20 @877 depth 1
field KJ4:COMPETIDOR6 Group 0 @897 depth 0
field KJ4:NOMBRECOMPETIDOR6 Text 20 @897 depth 1
field KJ4:APPELIDOCOMPETIDOR6 Text 20 @917 depth 1
field KJ4:COLORC6 Text 6 @937 depth 1
field KJ4:KATAC6 Text 20 @943 depth 1
field KJ4:PAISC6 Text 20 @963 depth 1
field KJ4:JUEZ4TC6 Decimal 3 5,2 @983 depth 1
field KJ4:JUEZ4AC6 Decimal 3 5,2 @986 depth 1
field KJ4:DOJONOMBRE6 Text 20 @989 depth 1
field KJ4:COMPETIDOR7 Group 0 @1009 depth 0
field KJ4:NOMBRECOMPETIDOR7 Text 20 @1009 depth 1
field KJ4:APPELIDOCOMPETIDOR7 Text 20 @1029 depth 1
field KJ4:COLORC7 Text 6 @1049 depth 1
field KJ4:KATAC7 Text 20 @1055 depth 1
field KJ4:PAISC7 Text 20 @1075 depth 1
field KJ4:JUEZ4TC7 Decimal 3 5,2 @1095 depth 1
field KJ4:JUEZ4AC7 Decimal 3 5,2 @1098 depth 1
field KJ4:DOJONOMBRE7 Text 20 @1101 depth 1
field KJ4:COMPETIDOR8 Group 0 @1121 depth 0
field KJ4:NOMBRECOMPETIDOR8 Text 20 @1121 depth 1
field KJ4:APPELIDOCOMPETIDOR8 Text 20 @1141 depth 1
field KJ4:COLORC8 Text 6 @1161 depth 1
field KJ4:KATAC8 Text 20 @1167 depth 1
field KJ4:PAISC8 Text 20 @1187 depth 1
field KJ4:JUEZ4TC8 Decimal 3 5,2 @1207 depth 1
field KJ4:JUEZ4AC8 Decimal 3 5,2 @1210 depth 1
field KJ4:DOJONOMBRE8 Text 20 @1213 depth 1
');
CREATE TABLE "KataJuezCard4" (
  "IDCardJ4" INTEGER NOT NULL DEFAULT 0,
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "NOMBREDEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CODIGOEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHADEEVENTO" TEXT NOT NULL DEFAULT '',
  "TATAMIMATSNO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "REGION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVISION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIACODE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ4TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC1" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ4TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC2" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ4TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC3" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ4TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC4" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ4TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC5" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ4TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC6" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ4TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC7" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ4TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ4AC8" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE8" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "KJ4:KeyIDCardJ4" ON "KataJuezCard4" ("IDCardJ4" DESC);
CREATE INDEX "KJ4:KeyNumeroDeCompeticionJ4" ON "KataJuezCard4" ("NumeroDeCompeticion");
CREATE INDEX "KJ4:KeyCodigoDeEvento" ON "KataJuezCard4" ("CODIGOEVENTO" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCategoriaCode" ON "KataJuezCard4" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyQueue" ON "KataJuezCard4" ("Queue" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyTatamiMatsNo" ON "KataJuezCard4" ("TATAMIMATSNO" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyModalidad" ON "KataJuezCard4" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyFechaDeEvento" ON "KataJuezCard4" ("FECHADEEVENTO");
CREATE INDEX "KJ4:KEYDivicionCode" ON "KataJuezCard4" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCompetidor1" ON "KataJuezCard4" ("NOMBRECOMPETIDOR1" COLLATE NOCASE, "APPELIDOCOMPETIDOR1" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCompetidor2" ON "KataJuezCard4" ("NOMBRECOMPETIDOR2" COLLATE NOCASE, "APPELIDOCOMPETIDOR2" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCompetidor3" ON "KataJuezCard4" ("NOMBRECOMPETIDOR3" COLLATE NOCASE, "APPELIDOCOMPETIDOR3" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCompetidor4" ON "KataJuezCard4" ("NOMBRECOMPETIDOR4" COLLATE NOCASE, "APPELIDOCOMPETIDOR4" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCompetidor5" ON "KataJuezCard4" ("NOMBRECOMPETIDOR5" COLLATE NOCASE, "APPELIDOCOMPETIDOR5" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCompetidor6" ON "KataJuezCard4" ("NOMBRECOMPETIDOR6" COLLATE NOCASE, "APPELIDOCOMPETIDOR6" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCompetidor7" ON "KataJuezCard4" ("NOMBRECOMPETIDOR7" COLLATE NOCASE, "APPELIDOCOMPETIDOR7" COLLATE NOCASE);
CREATE INDEX "KJ4:KeyCompetidor8" ON "KataJuezCard4" ("NOMBRECOMPETIDOR8" COLLATE NOCASE, "APPELIDOCOMPETIDOR8" COLLATE NOCASE);
COMMIT;

-- KataJuezCard5
.open KataJuezCard5.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KataJuezCard5'),
  ('signature', 'table KataJuezCard5 record 1233
field KJ5:IDCardJ5 Long 4 @0 depth 0
field KJ5:NumeroDeCompeticion Long 4 @4 depth 0
field KJ5:EVENTINFO Group 0 @8 depth 0
field KJ5:NOMBREDEEVENTO Text 50 @8 depth 1
field KJ5:CODIGOEVENTO Text 20 @58 depth 1
field KJ5:FECHADEEVENTO Date 4 @78 depth 1
field KJ5:TATAMIMATSNO Text 30 @82 depth 1
field KJ5:Queue Text 20 @112 depth 1
field KJ5:REGION Text 20 @132 depth 1
field KJ5:MUNICIPIO Text 50 @152 depth 1
field KJ5:MODALIDAD Text 45 @202 depth 1
field KJ5:DIVISION Text 45 @247 depth 1
field KJ5:CATEGORIACODE Text 45 @292 depth 1
field KJ5:COMPETIDOR1 Group 0 @337 depth 0
field KJ5:NOMBRECOMPETIDOR1 Text 20 @337 depth 1
field KJ5:APPELIDOCOMPETIDOR1 Text 20 @357 depth 1
field KJ5:COLORC1 Text 6 @377 depth 1
field KJ5:KATAC1 Text 20 @383 depth 1
field KJ5:PAISC1 Text 20 @403 depth 1
field KJ5:JUEZ5TC1 Decimal 3 5,2 @423 depth 1
field KJ5:JUEZ5AC1 Decimal 3 5,2 @426 depth 1
field KJ5:DOJONOMBRE1 Text 20 @429 depth 1
field KJ5:COMPETIDOR2 Group 0 @449 depth 0
field KJ5:NOMBRECOMPETIDOR2 Text 20 @449 depth 1
field KJ5:APPELIDOCOMPETIDOR2 Text 20 @469 depth 1
field KJ5:COLORC2 Text 6 @489 depth 1
field KJ5:KATAC2 Text 20 @495 depth 1
field KJ5:PAISC2 Text 20 @515 depth 1
field KJ5:JUEZ5TC2 Decimal 3 5,2 @535 depth 1
field KJ5:JUEZ5AC2 Decimal 3 5,2 @538 depth 1
field KJ5:DOJONOMBRE2 Text 20 @541 depth 1
field KJ5:COMPETIDOR3 Group 0 @561 depth 0
field KJ5:NOMBRECOMPETIDOR3 Text 20 @561 depth 1
field KJ5:APPELIDOCOMPETIDOR3 Text 20 @581 depth 1
field KJ5:COLORC3 Text 6 @601 depth 1
field KJ5:KATAC3 Text 20 @607 depth 1
field KJ5:PAISC3 Text 20 @627 depth 1
field KJ5:JUEZ5TC3 Decimal 3 5,2 @647 depth 1
field KJ5:JUEZ5AC3 Decimal 3 5,2 @650 depth 1
field KJ5:DOJONOMBRE3 Text 20 @653 depth 1
field KJ5:COMPETIDOR4 Group 0 @673 depth 0
field KJ5:NOMBRECOMPETIDOR4 Text 20 @673 depth 1
field KJ5:APPELIDOCOMPETIDOR4 Text 20 @693 depth 1
field KJ5:COLORC4 Text 6 @713 depth 1
field KJ5:KATAC4 Text 20 @719 depth 1
field KJ5:PAISC4 Text 20 @739 depth 1
field KJ5:JUEZ5TC4 Decimal 3 5,2 @759 depth 1
field KJ5:JUEZ5AC4 Decimal 3 5,2 @762 depth 1
field KJ5:DOJONOMBRE4 Text 20 @765 depth 1
field KJ5:COMPETIDOR5 Group 0 @785 depth 0
field KJ5:NOMBRECOMPETIDOR5 Text 20 @785 depth 1
field KJ5:APPELIDOCOMPETIDOR5 Text 20 @805 depth 1
field KJ5:COLORC5 Text 6 @825 depth 1
field KJ5:KATAC5 Text 20 @831 depth 1
field KJ5:PAISC5 Text 20 @851 depth 1
field KJ5:JUEZ5TC5 Decimal 3 5,2 @871 depth 1
field KJ5:JUEZ5AC5 Decimal 3 5,2 @874 depth 1
field KJ5:DOJONOMBRE5 Text 20 @877 depth 1
field KJ5:COMPETIDOR6 Group 0 @897 depth 0
field KJ5:NOMBRECOMPETIDOR6 Text 20 @897 depth 1
field KJ5:APPELIDOCOMPETIDOR6 Text 20 @917 depth 1
field KJ5:COLORC6 Text 6 @937 depth 1
field KJ5:KATAC6 Text 20 @943 depth 1
field KJ5:PAISC6 Text 20 @963 depth 1
field KJ5:JUEZ5TC6 Decimal 3 5,2 @983 depth 1
field KJ5:JUEZ5AC6 Decimal 3 5,2 @986 depth 1
field KJ5:DOJONOMBRE6 Text 20 @989 depth 1
field KJ5:COMPETIDOR7 Group 0 @1009 depth 0
field KJ5:NOMBRECOMPETIDOR7 Text 20 @1009 depth 1
field KJ5:APPELIDOCOMPETIDOR7 Text 20 @1029 depth 1
field KJ5:COLORC7 Text 6 @1049 depth 1
field KJ5:KATAC7 Text 20 @1055 depth 1
field KJ5:PAISC7 Text 20 @1075 depth 1
field KJ5:JUEZ5TC7 Decimal 3 5,2 @1095 depth 1
field KJ5:JUEZ5AC7 Decimal 3 5,2 @1098 depth 1
field KJ5:DOJONOMBRE7 Text 20 @1101 depth 1
field KJ5:COMPETIDOR8 Group 0 @1121 depth 0
field KJ5:NOMBRECOMPETIDOR8 Text 20 @1121 depth 1
field KJ5:APPELIDOCOMPETIDOR8 Text 20 @1141 depth 1
field KJ5:COLORC8 Text 6 @1161 depth 1
field KJ5:KATAC8 Text 20 @1167 depth 1
field KJ5:PAISC8 Text 20 @1187 depth 1
field KJ5:JUEZ5TC8 Decimal 3 5,2 @1207 depth 1
field KJ5:JUEZ5AC8 Decimal 3 5,2 @1210 depth 1
field KJ5:DOJONOMBRE8 Text 20 @1213 depth 1
');
CREATE TABLE "KataJuezCard5" (
  "IDCardJ5" INTEGER NOT NULL DEFAULT 0,
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "NOMBREDEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CODIGOEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHADEEVENTO" TEXT NOT NULL DEFAULT '',
  "TATAMIMATSNO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "REGION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVISION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIACODE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ5TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC1" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ5TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC2" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ5TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC3" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ5TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC4" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ5TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC5" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ5TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC6" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ5TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC7" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ5TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ5AC8" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE8" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "KJ5:KeyIDCardJ5" ON "KataJuezCard5" ("IDCardJ5" DESC);
CREATE INDEX "KJ5:KeyNumeroDeCompeticionJ5" ON "KataJuezCard5" ("NumeroDeCompeticion");
CREATE INDEX "KJ5:KeyCodigoDeEvento" ON "KataJuezCard5" ("CODIGOEVENTO" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCategoriaCode" ON "KataJuezCard5" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyQueue" ON "KataJuezCard5" ("Queue" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyTatamiMatsNo" ON "KataJuezCard5" ("TATAMIMATSNO" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyModalidad" ON "KataJuezCard5" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyFechaDeEvento" ON "KataJuezCard5" ("FECHADEEVENTO");
CREATE INDEX "KJ5:KEYDivicionCode" ON "KataJuezCard5" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCompetidor1" ON "KataJuezCard5" ("NOMBRECOMPETIDOR1" COLLATE NOCASE, "APPELIDOCOMPETIDOR1" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCompetidor2" ON "KataJuezCard5" ("NOMBRECOMPETIDOR2" COLLATE NOCASE, "APPELIDOCOMPETIDOR2" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCompetidor3" ON "KataJuezCard5" ("NOMBRECOMPETIDOR3" COLLATE NOCASE, "APPELIDOCOMPETIDOR3" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCompetidor4" ON "KataJuezCard5" ("NOMBRECOMPETIDOR4" COLLATE NOCASE, "APPELIDOCOMPETIDOR4" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCompetidor5" ON "KataJuezCard5" ("NOMBRECOMPETIDOR5" COLLATE NOCASE, "APPELIDOCOMPETIDOR5" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCompetidor6" ON "KataJuezCard5" ("NOMBRECOMPETIDOR6" COLLATE NOCASE, "APPELIDOCOMPETIDOR6" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCompetidor7" ON "KataJuezCard5" ("NOMBRECOMPETIDOR7" COLLATE NOCASE, "APPELIDOCOMPETIDOR7" COLLATE NOCASE);
CREATE INDEX "KJ5:KeyCompetidor8" ON "KataJuezCard5" ("NOMBRECOMPETIDOR8" COLLATE NOCASE, "APPELIDOCOMPETIDOR8" COLLATE NOCASE);
COMMIT;

-- KataJuezCard6
.open KataJuezCard6.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KataJuezCard6'),
  ('signature', 'table KataJuezCard6 record 1233
field KJ6:IDCardJ6 Long 4 @0 depth 0
field KJ6:NumeroDeCompeticion Long 4 @4 depth 0
field KJ6:EVENTINFO Group 0 @8 depth 0
field KJ6:NOMBREDEEVENTO Text 50 @8 depth 1
field KJ6:CODIGOEVENTO Text 20 @58 depth 1
field KJ6:FECHADEEVENTO Date 4 @78 depth 1
field KJ6:TATAMIMATSNO Text 30 @82 depth 1
field KJ6:Queue Text 20 @112 depth 1
field KJ6:REGION Text 20 @132 depth 1
field KJ6:MUNICIPIO Text 50 @152 depth 1
field KJ6:MODALIDAD Text 45 @202 depth 1
field KJ6:DIVICION Text 45 @247 depth 1
field KJ6:CATEGORIACODE Text 45 @292 depth 1
field KJ6:COMPETIDOR1 Group 0 @337 depth 0
field KJ6:NOMBRECOMPETIDOR1 Text 20 @337 depth 1
field KJ6:APPELIDOCOMPETIDOR1 Text 20 @357 depth 1
field KJ6:COLORC1 Text 6 @377 depth 1
field KJ6:KATAC1 Text 20 @383 depth 1
field KJ6:PAISC1 Text 20 @403 depth 1
field KJ6:JUEZ6TC1 Decimal 3 5,2 @423 depth 1
field KJ6:JUEZ6AC1 Decimal 3 5,2 @426 depth 1
field KJ6:DOJONOMBRE1 Text 20 @429 depth 1
field KJ6:COMPETIDOR2 Group 0 @449 depth 0
field KJ6:NOMBRECOMPETIDOR2 Text 20 @449 depth 1
field KJ6:APPELIDOCOMPETIDOR2 Text 20 @469 depth 1
field KJ6:KATAC2 Text 20 @489 depth 1
field KJ6:COLORC2 Text 6 @509 depth 1
field KJ6:PAISC2 Text 20 @515 depth 1
field KJ6:JUEZ6TC2 Decimal 3 5,2 @535 depth 1
field KJ6:JUEZ6AC2 Decimal 3 5,2 @538 depth 1
field KJ6:DOJONOMBRE2 Text 20 @541 depth 1
field KJ6:COMPETIDOR3 Group 0 @561 depth 0
field KJ6:NOMBRECOMPETIDOR3 Text 20 @561 depth 1
field KJ6:APPELIDOCOMPETIDOR3 Text 20 @581 depth 1
field KJ6:COLORC3 Text 6 @601 depth 1
field KJ6:KATAC3 Text 20 @607 depth 1
field KJ6:PAISC3 Text 20 @627 depth 1
field KJ6:JUEZ6TC3 Decimal 3 5,2 @647 depth 1
field KJ6:JUEZ6AC3 Decimal 3 5,2 @650 depth 1
field KJ6:DOJONOMBRE3 Text 20 @653 depth 1
field KJ6:COMPETIDOR4 Group 0 @673 depth 0
field KJ6:NOMBRECOMPETIDOR4 Text 20 @673 depth 1
field KJ6:APPELIDOCOMPETIDOR4 Text 20 @693 depth 1
field KJ6:COLORC4 Text 6 @713 depth 1
field KJ6:KATAC4 Text 20 @719 depth 1
field KJ6:PAISC4 Text 20 @739 depth 1
field KJ6:JUEZ6AC4 Decimal 3 5,2 @759 depth 1
field KJ6:JUEZ6TC4 Decimal 3 5,2 @762 depth 1
field KJ6:DOJONOMBRE4 Text 20 @765 depth 1
field KJ6:COMPETIDOR5 Group 0 @785 depth 0
field KJ6:NOMBRECOMPETIDOR5 Text 20 @785 depth 1
field KJ6:APPELIDOCOMPETIDOR5 Text 20 @805 depth 1
field KJ6:COLORC5 Text 6 @825 depth 1
field KJ6:KATAC5 Text 20 @831 depth 1
field KJ6:PAISC5 Text 20 @851 depth 1
field KJ6:JUEZ6AC5 Decimal 3 5,2 @871 depth 1
field KJ6:JUEZ6TC5 Decimal 3 5,2 @874 depth 1
field KJ6:DOJONOMBRE5 Text 20 @877 depth 1
field KJ6:COMPETIDOR6 Group 0 @897 depth 0
field KJ6:NOMBRECOMPETIDOR6 Text 20 @897 depth 1
field KJ6:APPELIDOCOMPETIDOR6 Text 20 @917 depth 1
field KJ6:COLORC6 Text 6 @937 depth 1
field KJ6:KATAC6 Text 20 @943 depth 1
field KJ6:PAISC6 Text 20 @963 depth 1
field KJ6:JUEZ6TC6 Decimal 3 5,2 @983 depth 1
field KJ6:JUEZ6AC6 Decimal 3 5,2 @986 depth 1
field KJ6:DOJONOMBRE6 Text 20 @989 depth 1
field KJ6:COMPETIDOR7 Group 0 @1009 depth 0
field KJ6:NOMBRECOMPETIDOR7 Text 20 @1009 depth 1
field KJ6:APPELIDOCOMPETIDOR7 Text 20 @1029 depth 1
field KJ6:COLORC7 Text 6 @1049 depth 1
field KJ6:KATAC7 Text 20 @1055 depth 1
field KJ6:PAISC7 Text 20 @1075 depth 1
field KJ6:JUEZ6TC7 Decimal 3 5,2 @1095 depth 1
field KJ6:JUEZ6AC7 Decimal 3 5,2 @1098 depth 1
field KJ6:DOJONOMBRE7 Text 20 @1101 depth 1
field KJ6:COMPETIDOR8 Group 0 @1121 depth 0
field KJ6:NOMBRECOMPETIDOR8 Text 20 @1121 depth 1
field KJ6:APPELIDOCOMPETIDOR8 Text 20 @1141 depth 1
field KJ6:COLORC8 Text 6 @1161 depth 1
field KJ6:KATAC8 Text 20 @1167 depth 1
field KJ6:PAISC8 Text 20 @1187 depth 1
field KJ6:JUEZ6TC8 Decimal 3 5,2 @1207 depth 1
field KJ6:JUEZ6AC8 Decimal 3 5,2 @1210 depth 1
field KJ6:DOJONOMBRE8 Text 20 @1213 depth 1
');
CREATE TABLE "KataJuezCard6" (
  "IDCardJ6" INTEGER NOT NULL DEFAULT 0,
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "NOMBREDEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CODIGOEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHADEEVENTO" TEXT NOT NULL DEFAULT '',
  "TATAMIMATSNO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "REGION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVICION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIACODE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ6TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC1" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ6TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC2" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ6TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC3" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ6AC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC4" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ6AC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6TC5" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ6TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC6" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ6TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC7" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ6TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ6AC8" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE8" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "KJ6:KeyIDCardJ6" ON "KataJuezCard6" ("IDCardJ6" DESC);
CREATE INDEX "KJ6:KeyNumeroDeCompeticionJ6" ON "KataJuezCard6" ("NumeroDeCompeticion");
CREATE INDEX "KJ6:KeyCodigoDeEvento" ON "KataJuezCard6" ("CODIGOEVENTO" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCategoriaCode" ON "KataJuezCard6" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyQueue" ON "KataJuezCard6" ("Queue" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyTatamiMatsNo" ON "KataJuezCard6" ("TATAMIMATSNO" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyModalidad" ON "KataJuezCard6" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyColorC1" ON "KataJuezCard6" ("COLORC1" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyFechaDeEvento" ON "KataJuezCard6" ("FECHADEEVENTO");
CREATE INDEX "KJ6:KEYDivicionCode" ON "KataJuezCard6" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCompetidor1" ON "KataJuezCard6" ("NOMBRECOMPETIDOR1" COLLATE NOCASE, "APPELIDOCOMPETIDOR1" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCompetidor2" ON "KataJuezCard6" ("NOMBRECOMPETIDOR2" COLLATE NOCASE, "APPELIDOCOMPETIDOR2" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCompetidor3" ON "KataJuezCard6" ("NOMBRECOMPETIDOR3" COLLATE NOCASE, "APPELIDOCOMPETIDOR3" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCompetidor4" ON "KataJuezCard6" ("NOMBRECOMPETIDOR4" COLLATE NOCASE, "APPELIDOCOMPETIDOR4" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCompetidor5" ON "KataJuezCard6" ("NOMBRECOMPETIDOR5" COLLATE NOCASE, "APPELIDOCOMPETIDOR5" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCompetidor6" ON "KataJuezCard6" ("NOMBRECOMPETIDOR6" COLLATE NOCASE, "APPELIDOCOMPETIDOR6" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCompetidor7" ON "KataJuezCard6" ("NOMBRECOMPETIDOR7" COLLATE NOCASE, "APPELIDOCOMPETIDOR7" COLLATE NOCASE);
CREATE INDEX "KJ6:KeyCompetidor8" ON "KataJuezCard6" ("NOMBRECOMPETIDOR8" COLLATE NOCASE, "APPELIDOCOMPETIDOR8" COLLATE NOCASE);
COMMIT;

-- KataJuezCard7
.open KataJuezCard7.sqlite
PRAGMA journal_mode = WAL;
BEGIN IMMEDIATE;
CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO zrv_layout (name, value) VALUES
  ('format', '1'),
  ('table', 'KataJuezCard7'),
  ('signature', 'table KataJuezCard7 record 1233
field KJ7:IDCardJ7 Long 4 @0 depth 0
field KJ7:NumeroDeCompeticion Long 4 @4 depth 0
field KJ7:EVENTINFO Group 0 @8 depth 0
field KJ7:NOMBREDEEVENTO Text 50 @8 depth 1
field KJ7:CODIGOEVENTO Text 20 @58 depth 1
field KJ7:FECHADEEVENTO Date 4 @78 depth 1
field KJ7:TATAMIMATSNO Text 30 @82 depth 1
field KJ7:Queue Text 20 @112 depth 1
field KJ7:REGION Text 20 @132 depth 1
field KJ7:MUNICIPIO Text 50 @152 depth 1
field KJ7:MODALIDAD Text 45 @202 depth 1
field KJ7:DIVISION Text 45 @247 depth 1
field KJ7:CATEGORIACODE Text 45 @292 depth 1
field KJ7:COMPETIDOR1 Group 0 @337 depth 0
field KJ7:NOMBRECOMPETIDOR1 Text 20 @337 depth 1
field KJ7:APPELIDOCOMPETIDOR1 Text 20 @357 depth 1
field KJ7:COLORC1 Text 6 @377 depth 1
field KJ7:KATAC1 Text 20 @383 depth 1
field KJ7:PAISC1 Text 20 @403 depth 1
field KJ7:JUEZ7TC1 Decimal 3 5,2 @423 depth 1
field KJ7:JUEZ7AC1 Decimal 3 5,2 @426 depth 1
field KJ7:DOJONOMBRE1 Text 20 @429 depth 1
field KJ7:COMPETIDOR2 Group 0 @449 depth 0
field KJ7:NOMBRECOMPETIDOR2 Text 20 @449 depth 1
field KJ7:APPELIDOCOMPETIDOR2 Text 20 @469 depth 1
field KJ7:COLORC2 Text 6 @489 depth 1
field KJ7:KATAC2 Text 20 @495 depth 1
field KJ7:PAISC2 Text 20 @515 depth 1
field KJ7:JUEZ7TC2 Decimal 3 5,2 @535 depth 1
field KJ7:JUEZ7AC2 Decimal 3 5,2 @538 depth 1
field KJ7:DOJONOMBRE2 Text 20 @541 depth 1
field KJ7:COMPETIDOR3 Group 0 @561 depth 0
field KJ7:NOMBRECOMPETIDOR3 Text 20 @561 depth 1
field KJ7:APPELIDOCOMPETIDOR3 Text 20 @581 depth 1
field KJ7:COLORC3 Text 6 @601 depth 1
field KJ7:KATAC3 Text 20 @607 depth 1
field KJ7:PAISC3 Text 20 @627 depth 1
field KJ7:JUEZ7TC3 Decimal 3 5,2 @647 depth 1
field KJ7:JUEZ7AC3 Decimal 3 5,2 @650 depth 1
field KJ7:DOJONOMBRE3 Text 20 @653 depth 1
field KJ7:COMPETIDOR4 Group 0 @673 depth 0
field KJ7:NOMBRECOMPETIDOR4 Text 20 @673 depth 1
field KJ7:APPELIDOCOMPETIDOR4 Text 20 @693 depth 1
field KJ7:COLORC4 Text 6 @713 depth 1
field KJ7:KATAC4 Text 20 @719 depth 1
field KJ7:PAISC4 Text 20 @739 depth 1
field KJ7:JUEZ7TC4 Decimal 3 5,2 @759 depth 1
field KJ7:JUEZ7AC4 Decimal 3 5,2 @762 depth 1
field KJ7:DOJONOMBRE4 Text 20 @765 depth 1
field KJ7:COMPETIDOR5 Group 0 @785 depth 0
field KJ7:NOMBRECOMPETIDOR5 Text 20 @785 depth 1
field KJ7:APPELIDOCOMPETIDOR5 Text 20 @805 depth 1
field KJ7:COLORC5 Text 6 @825 depth 1
field KJ7:KATAC5 Text 20 @831 depth 1
field KJ7:PAISC5 Text 20 @851 depth 1
field KJ7:JUEZ7TC5 Decimal 3 5,2 @871 depth 1
field KJ7:JUEZ7AC5 Decimal 3 5,2 @874 depth 1
field KJ7:DOJONOMBRE5 Text 20 @877 depth 1
field KJ7:COMPETIDOR6 Group 0 @897 depth 0
field KJ7:NOMBRECOMPETIDOR6 Text 20 @897 depth 1
field KJ7:APPELIDOCOMPETIDOR6 Text 20 @917 depth 1
field KJ7:COLORC6 Text 6 @937 depth 1
field KJ7:KATAC6 Text 20 @943 depth 1
field KJ7:PAISC6 Text 20 @963 depth 1
field KJ7:JUEZ7TC6 Decimal 3 5,2 @983 depth 1
field KJ7:JUEZ7AC6 Decimal 3 5,2 @986 depth 1
field KJ7:DOJONOMBRE6 Text 20 @989 depth 1
field KJ7:COMPETIDOR7 Group 0 @1009 depth 0
field KJ7:NOMBRECOMPETIDOR7 Text 20 @1009 depth 1
field KJ7:APPELIDOCOMPETIDOR7 Text 20 @1029 depth 1
field KJ7:COLORC7 Text 6 @1049 depth 1
field KJ7:KATAC7 Text 20 @1055 depth 1
field KJ7:PAISC7 Text 20 @1075 depth 1
field KJ7:JUEZ7TC7 Decimal 3 5,2 @1095 depth 1
field KJ7:JUEZ7AC7 Decimal 3 5,2 @1098 depth 1
field KJ7:DOJONOMBRE7 Text 20 @1101 depth 1
field KJ7:COMPETIDOR8 Group 0 @1121 depth 0
field KJ7:NOMBRECOMPETIDOR8 Text 20 @1121 depth 1
field KJ7:APPELIDOCOMPETIDOR8 Text 20 @1141 depth 1
field KJ7:COLORC8 Text 6 @1161 depth 1
field KJ7:KATAC8 Text 20 @1167 depth 1
field KJ7:PAISC8 Text 20 @1187 depth 1
field KJ7:JUEZ7TC8 Decimal 3 5,2 @1207 depth 1
field KJ7:JUEZ7AC8 Decimal 3 5,2 @1210 depth 1
field KJ7:DOJONOMBRE8 Text 20 @1213 depth 1
');
CREATE TABLE "KataJuezCard7" (
  "IDCardJ7" INTEGER NOT NULL DEFAULT 0,
  "NumeroDeCompeticion" INTEGER NOT NULL DEFAULT 0,
  "NOMBREDEEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CODIGOEVENTO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "FECHADEEVENTO" TEXT NOT NULL DEFAULT '',
  "TATAMIMATSNO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "Queue" TEXT COLLATE NOCASE NOT NULL DEFAULT '2',
  "REGION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MUNICIPIO" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "MODALIDAD" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "DIVISION" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "CATEGORIACODE" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ7TC1" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC1" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE1" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ7TC2" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC2" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE2" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ7TC3" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC3" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE3" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ7TC4" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC4" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE4" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ7TC5" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC5" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE5" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ7TC6" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC6" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE6" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ7TC7" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC7" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE7" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "NOMBRECOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "APPELIDOCOMPETIDOR8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "COLORC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "KATAC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "PAISC8" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  "JUEZ7TC8" NUMERIC NOT NULL DEFAULT 0,
  "JUEZ7AC8" NUMERIC NOT NULL DEFAULT 0,
  "DOJONOMBRE8" TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "KJ7:KeyIDCardJ7" ON "KataJuezCard7" ("IDCardJ7" DESC);
CREATE INDEX "KJ7:KeyNumeroDeCompeticion7" ON "KataJuezCard7" ("NumeroDeCompeticion");
CREATE INDEX "KJ7:KeyCodigoDeEvento" ON "KataJuezCard7" ("CODIGOEVENTO" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCategoriaCode" ON "KataJuezCard7" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyQueue" ON "KataJuezCard7" ("Queue" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyTatamiMatsNo" ON "KataJuezCard7" ("TATAMIMATSNO" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyModalidad" ON "KataJuezCard7" ("MODALIDAD" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyFechaDeEvento" ON "KataJuezCard7" ("FECHADEEVENTO");
CREATE INDEX "KJ7:KEYDivicionCode" ON "KataJuezCard7" ("CATEGORIACODE" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCompetidor1" ON "KataJuezCard7" ("NOMBRECOMPETIDOR1" COLLATE NOCASE, "APPELIDOCOMPETIDOR1" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCompetidor2" ON "KataJuezCard7" ("NOMBRECOMPETIDOR2" COLLATE NOCASE, "APPELIDOCOMPETIDOR2" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCompetidor3" ON "KataJuezCard7" ("NOMBRECOMPETIDOR3" COLLATE NOCASE, "APPELIDOCOMPETIDOR3" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCompetidor4" ON "KataJuezCard7" ("NOMBRECOMPETIDOR4" COLLATE NOCASE, "APPELIDOCOMPETIDOR4" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCompetidor5" ON "KataJuezCard7" ("NOMBRECOMPETIDOR5" COLLATE NOCASE, "APPELIDOCOMPETIDOR5" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCompetidor6" ON "KataJuezCard7" ("NOMBRECOMPETIDOR6" COLLATE NOCASE, "APPELIDOCOMPETIDOR6" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCompetidor7" ON "KataJuezCard7" ("NOMBRECOMPETIDOR7" COLLATE NOCASE, "APPELIDOCOMPETIDOR7" COLLATE NOCASE);
CREATE INDEX "KJ7:KeyCompetidor8" ON "KataJuezCard7" ("NOMBRECOMPETIDOR8" COLLATE NOCASE, "APPELIDOCOMPETIDOR8" COLLATE NOCASE);
COMMIT;
