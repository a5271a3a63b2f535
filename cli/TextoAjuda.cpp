#include "TextoAjuda.h"

#include "AjudaPainel.h"
#include "RastroJson.h"

std::string TextoAjuda() {
    return R"(Usage: quivora-run [OPTION]...
  or:  quivora-run --runs N [--vary NAME=V1,V2,...]... [OPTION]...
  or:  quivora-run --summarize FILE... [--compare all] [--ecdf FILE] [--summary-csv FILE]
                   [--summary-tex FILE] [--summary-md FILE]
Runs Quivora's genetic algorithm on Schaffer's F6 without the window and prints the run
report (UTF-8) to stdout. Without options the run uses the panel's start values.
With experiment options it repeats and compares runs and prints a summary instead.
Every option takes its value as "--opt value" or as "--opt=value".

Options:
)" + AjudaPainel() +
           R"(  --seed N             the random generator's seed, 0..4294967295 (the clock); in an
                       experiment the base seed: run i uses seed N + i (mod 2^32), or
                       N + (k - 1) * 100000 + i in configuration k with --seeds independent
  --series             print the chart's four series instead of the report
  --trace FILE         write the run's record, every generation's population and how the
                       next one is made from it, as JSON Lines (below); - for standard
                       output (the report then goes to stderr)
  --help               this text
  --version            the program's version

Experiment options:
  --runs N             runs of every configuration, 1..100000 (1)
)" +
           EntradaAjuda("--vary NAME=V1,...",
                        "run every value of option NAME (" + NomesVariaveis() +
                            "); several --vary give every combination, the first varying "
                            "slowest. The values are split at commas, or at semicolons when the "
                            "list holds one; under a decimal comma, tolerances without decimal "
                            "points always at semicolons. \"tolerance=0.01;0.05\" and "
                            "\"tolerance=0.01,0.05\" read alike in every locale. An option given "
                            "and varied too, or a value given twice, is refused") +
           R"(  --jobs J             runs in parallel, 1..256 (the number of cores)
  --shard K/M          do only the runs whose index is K-1 modulo M, for M processes
  --csv FILE           one row per run (RFC 4180, '.' decimals), written as runs finish;
                       - for standard output (the summary then goes to stderr)
  --curves FILE        per configuration and generation, the quartiles of the best and
                       average fitness of both populations across the runs; - as above
  --trajectories FILE  each run's best so far (best_fitness_1's highest yet) against the
                       evaluations spent, as a long CSV: config, run, seed, evaluations,
                       best_so_far, one row at generation 0, at each generation that
                       raised it and at the run's last evaluation (pop * (generations + 1);
                       its best_so_far is max_fitness_1); - as above; with --shard each
                       shard's file holds its own runs
  --ioh DIR            the same trajectories in IOHprofiler's format, for IOHanalyzer:
                       DIR/IOHprofiler_f6_F6.info and one .dat file per configuration in
                       DIR/data_f6_F6, each configuration an algorithm (configN), F6
                       maximised in dimension 2; DIR must be new or empty
  --targets T1,...     tolerances, listed as --vary lists tolerances: a run reaches target T
                       at the first evaluation where its best so far comes within T of 1
                       (read from its trajectory; it still stops by its own criterion);
                       the CSV of --csv gets a column evaluations_to_T per target (empty
                       where never reached), and the summary and --summary-csv, after all
                       their columns, reached_T, rate_T, wilson_low_T, wilson_high_T and
                       ert_T, and --ecdf each one's distribution; --summarize reads them
                       from the CSVs
  --budgets B1,...     numbers of evaluations, listed as --vary lists whole numbers, each
                       at most some configuration's pop * (generation limit + 1): a run's
                       best so far at budget B is that after its last generation whose
                       evaluations are at most B (a run that stopped earlier keeps its
                       final best); the CSV of --csv gets a column best_at_B per budget
                       (empty below generation 0), and the summary and --summary-csv,
                       after the targets' columns, q1_at_B, median_at_B and q3_at_B, the
                       quartiles over the runs as everywhere; --summarize reads them from
                       the CSVs
  --resume             go on with an interrupted experiment: with the same options, run
                       only the runs that the file of --csv lacks and add them to it
  --force              start the file of --csv again although it holds rows; without
                       --resume or --force a CSV that holds anything is refused
  --compare WHAT       "reference" (the default): each configuration against configuration
                       1; "all": also a table of every pair of configurations
  --ecdf FILE          each configuration's run-time distribution as CSV (see below);
                       - as above
  --summary-csv FILE   the summary's tables as CSV, for programs: a row of kind "config" per
                       configuration and, with --compare all, one of kind "pair" per pair;
                       - as above
  --summary-tex FILE   the summary as a LaTeX table for a paper (booktabs): config,
                       varies, runs, success rate, median best, ERT and A12 with their
                       intervals, rounded for print; the best of each column in bold, a
                       dagger where Holm's adjusted p < 0.05 against configuration 1 (the
                       paired tests where runs pair by seed, else Mann-Whitney and Fisher)
  --summary-md FILE    the same table in Markdown
  --seeds HOW          "shared" (the default): run i of every configuration uses the same
                       seed, base + i, so runs pair by index; "independent": run i of
                       configuration k uses seed base + (k - 1) * 100000 + i, so no two
                       runs share a seed; the same for any --jobs, shard and --resume; the
                       paired tests are then NA
  --summarize FILE...  print the summary of experiment CSVs (the shards of one experiment),
                       and warn on stderr when planned runs are missing; --compare, --ecdf,
                       --summary-csv, --summary-tex and --summary-md go with it; it tells
                       shared from independent seeds by the rows' seeds
The summary has one line per configuration: what it varies, runs, runs planned, how many
reached the tolerance (rate and Wilson 95% interval), quartiles of the final best fitness, the
median first generation within the tolerance, the Mann-Whitney and Fisher p-values
against configuration 1, then the ERT with its bootstrap percentiles, the A12 with its
magnitude, both p-values adjusted by Holm, and after them the intervals and the paired
tests below; under it, with three or more configurations, the Kruskal-Wallis test; with
--compare all, every pair; then the base seed and the time taken. Numbers are "NA" where
undefined, "Inf" where infinite.
Mann-Whitney, Fisher and Kruskal-Wallis assume independent samples, while with shared seeds
(the default) run i of every configuration starts from the same seed, so runs are paired by
index and their outcomes correlate: the paired tests below take that into account, and
--seeds independent makes the samples independent.

Measures:
  evaluations          every generation, generation 0 included, evaluates the whole
                       population: a run that stopped after generation g spent
                       pop * (g + 1) evaluations, and one that first reached the
                       tolerance at generation g needed pop * (g + 1) to reach it
  ert                  expected running time in evaluations, as COCO defines it: the
                       evaluations of all runs (a run that reached counts them up to its
                       first reach, one that never reached all it spent) divided by the
                       number of runs that reached; Inf when none did
  ert_p10, ert_p90     the 10th and 90th percentiles (R's type 7) of 1000 bootstrap
                       samples of simulated restarts: runs drawn with replacement, the
                       evaluations of failed draws added until a successful draw adds
                       its own; the draws are seeded with the configuration's base seed,
                       so they are the same for any --jobs and for shards put together
                       with --summarize
  a12                  Vargha and Delaney's A12 of best_fitness_1 against configuration
                       1 (in a pair, of config against the other):
                       P(X > Y) + P(X = Y) / 2, the Mann-Whitney U divided by the
                       product of the sample sizes; 0.5 is no difference, above 0.5
                       this configuration ends better
  a12_magnitude        by Vargha and Delaney's thresholds on |A12 - 0.5|: below 0.06
                       negligible, below 0.14 small, below 0.21 medium, else large
                       (other tools use other thresholds, Cliff's delta's among them)
  *_holm               Holm's step-down adjustment, each test separately, over the k - 1
                       comparisons with configuration 1, or over all the pairs in the
                       table of pairs (as R's p.adjust(p, "holm"), undefined p-values
                       left out)
  Kruskal-Wallis       of best_fitness_1 across all configurations, tie-corrected, with
                       its chi-square approximation (as R's kruskal.test)
  ert_ci_low, ert_ci_high
                       the 95% percentile bootstrap confidence interval of the ERT (R's
                       type 7 quantiles 0.025 and 0.975 of 1000 resamples of the runs drawn
                       with replacement, each resample's ERT its evaluations over its
                       successes, Inf without one): the uncertainty of the ERT itself,
                       where ert_p10 and ert_p90 are the spread of one simulated run
                       length; seeded from the configuration's base seed as above
  rate_diff, rate_diff_ci_low, rate_diff_ci_high
                       this configuration's success rate minus configuration 1's (in a
                       pair, config's minus the other's) with Newcombe's 95% interval
                       (his method 10, from both rates' Wilson intervals)
  a12_ci_low, a12_ci_high
                       the asymptotic 95% interval of A12, A12 -+ 1.96 standard errors by
                       DeLong's variance of the area under the ROC curve (ties count one
                       half), clipped to [0, 1]
  paired_runs          the runs of the same index in both configurations, paired when
                       their seeds are shared; NA (and the paired tests with it) when not
  p_signed_rank        Wilcoxon's signed-rank test of best_fitness_1, run i against run i:
                       zero differences dropped, normal approximation with tie and
                       continuity corrections (R's wilcox.test(paired = TRUE, exact =
                       FALSE), SciPy's wilcoxon(method = "approx", correction = True))
  p_mcnemar            McNemar's exact test of reached on the same pairs: the binomial
                       test of the discordant pairs (statsmodels' mcnemar(exact = True))
  p_signed_rank_holm, p_mcnemar_holm
                       both adjusted by Holm as the other tests are
  --ecdf               columns config, evaluations, reached, share: by that many
                       evaluations, that many runs (that share of all) had reached the
                       tolerance; one row at every count where the share changes (the
                       fixed-target run-time distribution, IOHanalyzer's ECDF); with
                       --targets a last column, target: "tolerance" on these rows, then
                       each target's rows and, under "all", the share of the (run,
                       target) pairs reached (the ECDF aggregated over the targets)

)" + std::string(AjudaRastro()) +
           R"(
Exit status: 0 after a run, 1 when a tolerance text is not a number, 2 for a bad option, a
bad experiment CSV or a file that another quivora-run is writing, 3 when an output cannot be
written (standard output included), 4 when the system has no memory or thread to give, 130
when interrupted.
)";
}
