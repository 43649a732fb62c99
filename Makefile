# The README's entry points. Every target first installs what is missing (scripts/install-deps.sh).
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
JOBS ?= $(shell nproc)

.PHONY: deps build run test asan bench fuzz demo clean

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

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVERTILOOM_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure

# Benchmarks (Release): the core's commands against their floors, then the start-up and memory of
# the editor against a bare Qt window under Xvfb. Prints the ratios against the goals.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVERTILOOM_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target vertiloom core_bench bare_window plain_window
	QT_QPA_PLATFORM=offscreen ./$(BENCH_BUILD)/bench/core_bench
	bash scripts/startup-bench.sh $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)

FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS ?= 5000

# Builds the fuzz targets with clang and runs each on FUZZ_RUNS generated inputs.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVERTILOOM_FUZZ=ON -DVERTILOOM_SANITIZE=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_record_reader fuzz_memo_reader
	mkdir -p $(FUZZ_BUILD)/corpus-record $(FUZZ_BUILD)/corpus-memo
	ASAN_OPTIONS=detect_leaks=0 ./$(FUZZ_BUILD)/fuzz/fuzz_record_reader -runs=$(FUZZ_RUNS) -seed=1 $(FUZZ_BUILD)/corpus-record
	ASAN_OPTIONS=detect_leaks=0 ./$(FUZZ_BUILD)/fuzz/fuzz_memo_reader -runs=$(FUZZ_RUNS) -seed=1 -max_len=2048 $(FUZZ_BUILD)/corpus-memo
