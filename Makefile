# The README's entry points. Every target first installs what is missing (scripts/install-deps.sh).
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
JOBS ?= $(shell nproc)

.PHONY: deps build run test package asan bench fuzz demo clean format format-check translations-check

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/vertiloom

# The sample ROM image, build/sample.smc: open it with "Open file".
demo: build
	./$(BUILD)/vertiloom-sample $(BUILD)/sample.smc

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# The Debian package, $(BUILD)/vertiloom_<version>_<arch>.deb (cmake/Packaging.cmake says what it
# holds; scripts/check-package.sh checks it).
package: build
	cmake --build $(BUILD) --target package

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVERTILOOM_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure

# Benchmarks (Release): the core's commands against their floors, then the start-up and memory of
# the editor against a bare Qt window under Xvfb. Prints the ratios against the goals.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVERTILOOM_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target vertiloom core_bench views_bench bare_window plain_window map_timer
	QT_QPA_PLATFORM=offscreen ./$(BENCH_BUILD)/bench/core_bench
	QT_QPA_PLATFORM=offscreen ./$(BENCH_BUILD)/bench/views_bench
	bash scripts/startup-bench.sh $(BENCH_BUILD)
	JOBS=$(JOBS) bash bench/cli-bench.sh $(BENCH_BUILD)

# The C++ sources keep the style of .clang-format: format-check lists every file that strays (CI runs
# it), format rewrites them in place.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')
format: deps
	clang-format -i $(FORMAT_FILES)

format-check: deps
	@clang-format --dry-run --Werror $(FORMAT_FILES)
	@echo "format-check: $(words $(FORMAT_FILES)) files keep the style of .clang-format"

# The translations (translations/*.ts): no text of the sources missing from them, none unfinished.
translations-check: deps
	@bash scripts/check-translations.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := record_reader memo_reader svg_reader file_paths bps_reader
# Longest input per target: a record is at most 293 bytes, its tagged memo about 2 KB, a file path
# input carries two records and the word edits, and a patch over a 64-byte source needs few actions.
FUZZ_MAX_LEN_record_reader := 512
FUZZ_MAX_LEN_memo_reader := 4096
FUZZ_MAX_LEN_svg_reader := 8192
FUZZ_MAX_LEN_file_paths := 1024
FUZZ_MAX_LEN_bps_reader := 1024

# Builds the fuzz targets with clang (the core instrumented for libFuzzer, under AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=600 for a
# longer run; FUZZ_RUNS=n also stops each after n inputs). The seeds of fuzz/corpus/<target> are
# copied into $(FUZZ_BUILD)/corpus/<target>, which keeps what each run finds; the repository's
# seeds are only read (scripts/make-fuzz-seeds.py writes them). Crashes go to $(FUZZ_BUILD)/artifacts.
# Leaks are reported, but for fontconfig's, which stays unreferenced once Qt has loaded the fonts.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVERTILOOM_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	mkdir -p $(FUZZ_BUILD)/artifacts
	set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  cp fuzz/corpus/$$t/* $(FUZZ_BUILD)/corpus/$$t/; \
	done
	$(foreach t,$(FUZZ_TARGETS),$(call fuzz-run,$(t)))

define fuzz-run
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
	  ./$(FUZZ_BUILD)/fuzz/fuzz_$(1) -seed=1 -max_total_time=$(FUZZ_SECONDS) $(if $(FUZZ_RUNS),-runs=$(FUZZ_RUNS)) \
	  -max_len=$(FUZZ_MAX_LEN_$(1)) -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/artifacts/$(1)- \
	  $(FUZZ_BUILD)/corpus/$(1)
	
endef
