-- The question count shown in the status bar: always the real number of questions loaded above.
insert into geshu (kemugeshu) select cast(count(*) as text) from question;
