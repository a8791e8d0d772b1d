-- Activity by machine and user: visits, sites, and the first and last visit
-- (local time of the machine).
SELECT machine, user, count() AS visits, uniqExact(domain) AS domains,
       argMin(time, ts) AS first, argMax(time, ts) AS last
FROM visits FINAL
GROUP BY machine, user
ORDER BY machine, user
