-- The fleet's most visited sites (registrable domains, as the reports count them).
SELECT domain, count() AS visits, uniqExact(machine) AS machines
FROM visits FINAL
GROUP BY domain
ORDER BY visits DESC, domain
LIMIT 20
